// Timed tool (not a test): what listing, opening, reading and closing every
// file of a folder tree costs by itself under the system, with nothing of the
// workbench around it, so that the find-in-files figure can be set beside the
// floor the system allows. Each way runs over all files in turn, several
// rounds in one process; the first round of "open-read-close" is the first
// reading this fresh process does.
//   file_read_probe.exe FOLDER [ROUNDS]
// Ways, one line each ("probe WAY: median N ms, best N ms, first N ms"):
//   list             the folder listing alone (names and sizes);
//   open-read-close  each file opened, read in one read of its listed size, closed;
//   open-close       each file opened and closed, nothing read;
//   library-kept     the workbench's own file read, each text kept in new
//                    storage, as a first find in files reads;
//   relative         as open-read-close, each file opened by its name inside
//                    its folder's open handle instead of by its full path.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/platform_files.h"
#include "moment_clock.h"

namespace {

struct ListedFile {
    std::string folder, name;
    unsigned long long size = 0;
};

void ListTree(const std::string& folder, std::vector<ListedFile>& files) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> folders;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(folder + "\\" + name);
        else
            files.push_back({folder, name, (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                               data.nFileSizeLow});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    for (const std::string& sub : folders) ListTree(sub, files);
}

HANDLE OpenForReading(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// One read of the listed size and a byte more (a short read is the end).
std::size_t ReadListedSize(HANDLE file, unsigned long long size, std::string& buffer) {
    buffer.resize(static_cast<std::size_t>(size) + 1);
    DWORD got = 0;
    if (!ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) return 0;
    return got;
}

using NtCreateFileCall = NTSTATUS(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PIO_STATUS_BLOCK,
                                          PLARGE_INTEGER, ULONG, ULONG, ULONG, ULONG, PVOID, ULONG);

struct Way {
    const char* name;
    std::function<unsigned long long()> run;  // the bytes read
    std::vector<double> times;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: file_read_probe FOLDER [ROUNDS]\n");
        return 2;
    }
    const std::string root = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    auto ntCreateFile =
        reinterpret_cast<NtCreateFileCall>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtCreateFile"));

    std::vector<ListedFile> files;
    std::string buffer;
    std::vector<std::string> kept;
    std::vector<Way> ways;
    ways.push_back({"list", [&] {
                        files.clear();
                        ListTree(root, files);
                        return 0ull;
                    }, {}});
    ways.push_back({"open-read-close", [&] {
                        unsigned long long bytes = 0;
                        for (const ListedFile& file : files) {
                            HANDLE handle = OpenForReading(file.folder + "\\" + file.name);
                            if (handle == INVALID_HANDLE_VALUE) continue;
                            bytes += ReadListedSize(handle, file.size, buffer);
                            CloseHandle(handle);
                        }
                        return bytes;
                    }, {}});
    ways.push_back({"open-close", [&] {
                        for (const ListedFile& file : files) {
                            HANDLE handle = OpenForReading(file.folder + "\\" + file.name);
                            if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
                        }
                        return 0ull;
                    }, {}});
    ways.push_back({"library-kept", [&] {
                        unsigned long long bytes = 0;
                        for (const ListedFile& file : files) {
                            std::string text;
                            if (tavrin::ReadFileBytes(file.folder + "\\" + file.name, text,
                                                      static_cast<long long>(file.size)) == tavrin::FileReadStatus::Ok)
                                bytes += text.size();
                            kept.push_back(std::move(text));
                        }
                        return bytes;
                    }, {}});
    ways.push_back({"relative", [&] {
                        unsigned long long bytes = 0;
                        HANDLE folder = INVALID_HANDLE_VALUE;
                        std::string openFolder;
                        for (const ListedFile& file : files) {
                            if (file.folder != openFolder) {
                                if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
                                folder = CreateFileA(file.folder.c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
                                openFolder = file.folder;
                            }
                            std::wstring name(file.name.begin(), file.name.end());
                            UNICODE_STRING unicodeName{static_cast<USHORT>(name.size() * 2),
                                                       static_cast<USHORT>(name.size() * 2), name.data()};
                            OBJECT_ATTRIBUTES attributes{sizeof attributes, folder, &unicodeName,
                                                         OBJ_CASE_INSENSITIVE, nullptr, nullptr};
                            IO_STATUS_BLOCK status{};
                            HANDLE handle = nullptr;
                            if (ntCreateFile(&handle, GENERIC_READ, &attributes, &status, nullptr, 0,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_OPEN,
                                             FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE |
                                                 FILE_SEQUENTIAL_ONLY,
                                             nullptr, 0) != 0)
                                continue;
                            bytes += ReadListedSize(handle, file.size, buffer);
                            CloseHandle(handle);
                        }
                        if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
                        return bytes;
                    }, {}});

    unsigned long long expected = 0;
    for (int round = 0; round < rounds; ++round)
        for (Way& way : ways) {
            double start = bench::NowMs();
            unsigned long long bytes = way.run();
            way.times.push_back(bench::NowMs() - start);
            kept.clear();
            kept.shrink_to_fit();
            // Every way that reads must have read every byte.
            if (bytes && !expected) expected = bytes;
            if (bytes && bytes != expected) {
                std::fprintf(stderr, "%s read %llu bytes, not %llu\n", way.name, bytes, expected);
                return 1;
            }
        }
    for (Way& way : ways) {
        double first = way.times.front();
        std::sort(way.times.begin(), way.times.end());
        std::printf("probe %s: median %.0f ms, best %.0f ms, first %.0f ms (%zu files, %llu bytes)\n", way.name,
                    way.times[way.times.size() / 2], way.times.front(), first, files.size(), expected);
    }
    return 0;
}
