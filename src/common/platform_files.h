// The few file-system calls whose portable form would be wrong on Windows
// (8-bit names in the system code page, replacing an existing file), behind
// one small interface: platform_files_win32.cpp calls the system,
// platform_files_posix.cpp the C library and std::filesystem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

// Moves source over target, replacing it; true on success.
bool ReplaceFileWith(const std::string& source, const std::string& target);

// Creates a new file for writing that must not exist yet; its descriptor, or
// -1 with errno set.
int CreateFileExclusively(const std::string& name);
// Writes up to size bytes; the count written, or a value <= 0 on failure.
int WriteToFile(int file, const char* data, size_t size);
// Closes a descriptor of CreateFileExclusively; 0 on success.
int CloseFileDescriptor(int file);
// True when an errno of CreateFileExclusively means "the name is taken"
// (on Windows a folder of that name answers "access denied").
bool IsNameTakenError(int error);
// Gives the new file the permissions of the target, where the system has them.
void KeepPermissionsOf(const std::string& target, int file);
// True when a file exists at path and carries the read-only mark.
bool IsReadOnlyFile(const std::string& path);

enum class FileReadStatus { Ok, Missing, Failed };

// Reads a whole file as bytes into content, reusing its storage: one open and,
// while the file keeps its size, one read that fills it (a file that grows
// meanwhile is still read to its end). Missing means the file does not exist;
// Failed means it exists (or may exist) but could not be read, and leaves
// content empty. Safe to call from several threads at once.
// listedSize: the file's size as a folder listing gave it, or -1. With it the
// system is not asked for the size, and a read that comes back short is the
// file's end (a plain file's reads are short only there), so the file costs
// an open, one read and a close; a file that changed its size since the
// listing is still read whole.
FileReadStatus ReadFileBytes(const std::string& path, std::string& content, long long listedSize = -1);

// Reads files of one folder by their names: the folder is opened once and
// each file is opened inside it, so the system does not walk the whole path
// again for every file (under Wine that is a tenth of what a file costs).
// Read behaves as ReadFileBytes with folder + "\" + name; a folder that
// cannot be opened leaves each file to be opened by its whole path.
class FolderFiles {
public:
    explicit FolderFiles(const std::string& folder);
    ~FolderFiles();
    FolderFiles(const FolderFiles&) = delete;
    FolderFiles& operator=(const FolderFiles&) = delete;

    FileReadStatus Read(const std::string& name, std::string& content, long long listedSize = -1) const;

private:
    std::string folder_;
    std::intptr_t handle_ = -1;  // the open folder, or -1
};

// A file's size and last change as a folder listing gives them (the time in
// the system's own units: equal stamps mean an unchanged file).
struct FileStamp {
    unsigned long long size = 0;
    unsigned long long modified = 0;
    bool operator==(const FileStamp&) const = default;
};

// The names of the files and of the sub-folders of a folder (not "." or "..",
// not folders that are links), in the order the system lists them; with
// stamps, each file's stamp too (stamps[i] for files[i]). Nothing for a
// folder that cannot be read.
void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders, std::vector<FileStamp>* stamps = nullptr);

}  // namespace tavrin
