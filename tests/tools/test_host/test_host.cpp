// Loads test.dll from its own folder, as a program of the earlier build did: the library's
// test program runs while it is loaded and ends the process when its form is closed.
// Exit code 1 when the library cannot be loaded, 0 when loading returns.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string library(path);
    library = library.substr(0, library.find_last_of("\\/") + 1) + "test.dll";
    HMODULE module = LoadLibraryA(library.c_str());
    if (!module) {
        std::printf("cannot load %s (error %lu)\n", library.c_str(), GetLastError());
        return 1;
    }
    return 0;
}
