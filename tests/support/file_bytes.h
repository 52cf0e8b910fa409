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

// Sets or clears the file's write permissions (its read-only mark on Windows).
inline void SetReadOnly(const std::string& path, bool readOnly) {
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_write | perms::group_write | perms::others_write,
                                 readOnly ? std::filesystem::perm_options::remove
                                          : std::filesystem::perm_options::add);
}

inline bool Writable(const std::string& path) {
    using std::filesystem::perms;
    return (std::filesystem::status(path).permissions() & perms::owner_write) != perms::none;
}

}  // namespace tavrin::test
