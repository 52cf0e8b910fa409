// Folders, file removal and claims on files, behind one small interface:
// platform_folders_win32.cpp calls the system (8-bit names in the system code
// page), platform_folders_posix.cpp the C library. Paths may use "\" on both
// platforms (see NativePath).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <utility>

namespace tavrin {

// Creates the folder (its parent must exist); true when it exists afterwards.
bool CreateFolder(const std::string& path);
// Creates the folder and every missing folder above it.
bool CreateFolders(const std::string& path);
// Removes a folder that holds nothing; false otherwise.
bool RemoveEmptyFolder(const std::string& path);
// Removes a file; false when it could not be removed (or did not exist).
bool RemoveFile(const std::string& path);
// When the file was last written; 0 when it cannot be read.
std::time_t FileModifiedTime(const std::string& path);

// A claim on a file that lasts while the object lives, or until the process
// ends in any way (the system drops it then): while one holder has it, every
// other claim on the same file fails, in this process and in others, and
// (on Windows) the file cannot be deleted. The file is created when missing.
class FileClaim {
public:
    FileClaim() = default;
    explicit FileClaim(const std::string& path);
    ~FileClaim() { Release(); }
    FileClaim(const FileClaim&) = delete;
    FileClaim& operator=(const FileClaim&) = delete;
    FileClaim(FileClaim&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
    FileClaim& operator=(FileClaim&& other) noexcept {
        if (this != &other) {
            Release();
            handle_ = std::exchange(other.handle_, kNone);
        }
        return *this;
    }

    bool Held() const { return handle_ != kNone; }
    void Release();

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
};

}  // namespace tavrin
