// The path of a file in the test program's own folder, where the build puts the
// libraries these tests load.
#pragma once

#include <windows.h>

#include <string>

inline std::string BesideProgram(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    return program.substr(0, program.find_last_of("\\/") + 1) + name;
}
