// The files a page reaches through its "#include" lines, found as the
// compiler finds them: a name is looked for beside the file that includes it,
// then in the include directories of the settings, then in the compiler's
// "inc" folder. Conditional compilation is not evaluated: every include line
// counts. The chain of a page is kept and resolved again only when its include
// lines (or the folders) change.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tavrin {

// The names written in the "#include" and "#include once" lines of a text, in
// order (comments and lines of other directives are passed over).
std::vector<std::string> IncludeNames(std::string_view text);

// A path in a form that compares equal for the same file: "/" as "\", "." and
// ".." folders resolved, letters in lower case.
std::string IncludePathKey(std::string_view path);

class IncludeChain {
public:
    // Whether the file (any spelling of its path) is part of the chain.
    bool Reaches(std::string_view path) const;
    // The files in the order they were first reached.
    const std::vector<std::string>& Files() const { return files_; }
    size_t Count() const { return files_.size(); }
    // The page's own headers: the files found beside the page, or beside
    // another such file, rather than in the search folders (the include
    // database may not know them).
    const std::vector<std::string>& LocalFiles() const { return localFiles_; }

    // Adds a file; false when it was already there.
    bool Add(const std::string& path, bool local = false);

private:
    std::vector<std::string> files_, localFiles_;
    std::unordered_set<std::string> keys_;
};

// Follows the include names of a page (whose folder may be empty for a page
// never saved) through every file they reach. searchFolders: the include
// directories, then the compiler's "inc" folder.
IncludeChain ResolveIncludeChain(const std::string& pageFolder, const std::vector<std::string>& includeNames,
                                 const std::vector<std::string>& searchFolders);

// Recent chains by what they were resolved from.
class IncludeChainCache {
public:
    explicit IncludeChainCache(size_t capacity = 8) : capacity_(capacity) {}

    // The chain for these inputs: the kept one, or a new resolution.
    std::shared_ptr<const IncludeChain> Chain(const std::string& pageFolder, const std::vector<std::string>& includeNames,
                              const std::vector<std::string>& searchFolders);
    // How many chains were resolved (not taken from the cache) so far.
    size_t Resolutions() const { return resolutions_; }
    void Clear() { chains_.clear(); }

private:
    struct Kept {
        std::string key;
        std::shared_ptr<const IncludeChain> chain;
    };
    size_t capacity_;
    size_t resolutions_ = 0;
    std::list<Kept> chains_;  // most recently used first
};

// Where include names are looked for after the including file's folder: the
// include directories of the settings, then the "inc" folder beside the
// compiler (none when no compiler is set).
std::vector<std::string> IncludeSearchFolders(const std::vector<std::string>& includeDirectories,
                                              const std::string& compilerPath);

// The cache shared by the code pages.
IncludeChainCache& SharedIncludeChains();

}  // namespace tavrin
