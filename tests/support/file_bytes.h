// Whole files as bytes, for tests that check what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavrin::test {

inline void WriteBytes(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

}  // namespace tavrin::test
