// Whole-file reads and writes for the build tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace tavrin::test {

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace tavrin::test
