// The POSIX side of platform_files.h, for the native build of the portable
// logic and its tests.
#include "common/platform_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/file_search.h"

namespace tavrin {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

void ListFolderEntries(const std::string& folder, std::vector<std::string>& files,
                       std::vector<std::string>& folders) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(fs::path(NativePath(folder)), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (!it->is_symlink(kindError)) folders.push_back(std::move(name));
        } else if (!kindError) {
            files.push_back(std::move(name));
        }
    }
}

}  // namespace tavrin
