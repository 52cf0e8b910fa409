#include "analysis/include_chain.h"

#include <deque>
#include <unordered_map>

#include "analysis/source_line.h"
#include "analysis/source_statements.h"
#include "common/file_search.h"
#include "common/paths.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {

namespace {

// Most files one chain follows: a guard against generated trees gone wrong.
constexpr size_t kMostFiles = 50000;

// The quoted name of an include statement ("#include [once] "name""), or
// empty when the statement is something else.
std::string_view IncludedName(std::string_view statement) {
    if (statement.empty() || statement.front() != '#') return {};
    std::string_view rest = TrimBlanks(statement.substr(1));
    if (!StartsWithNoCase(rest, "include")) return {};
    rest = rest.substr(7);
    if (rest.empty() || (!IsBlank(rest.front()) && rest.front() != '"')) return {};  // "#includex"
    rest = TrimBlanks(rest);
    if (StartsWithNoCase(rest, "once") && (rest.size() == 4 || IsBlank(rest[4]) || rest[4] == '"'))
        rest = TrimBlanks(rest.substr(4));
    if (rest.size() < 2 || rest.front() != '"') return {};
    size_t close = rest.find('"', 1);
    if (close == std::string_view::npos || close == 1) return {};
    return rest.substr(1, close - 1);
}

bool IsAbsolute(std::string_view name) {
    return (!name.empty() && (name[0] == '\\' || name[0] == '/')) || (name.size() > 1 && name[1] == ':');
}

// Finds and reads the files a chain reaches. A file already in the chain is
// not read again, and where a name from a folder led is remembered.
class IncludeReader {
public:
    struct Found {
        std::string path;
        bool fresh = false;   // new to the chain: text holds its content
        bool beside = false;  // found beside the including file (or by a full path)
    };

    IncludeReader(IncludeChain& chain, const std::vector<std::string>& searchFolders)
        : chain_(chain), searchFolders_(searchFolders) {}

    // The file a name in a file of includingFolder means; false when no such
    // file exists.
    bool Find(std::string_view name, const std::string& includingFolder, Found& found) {
        std::string place = includingFolder;
        place += '\n';
        place.append(name);
        auto known = known_.find(place);
        if (known != known_.end()) {
            found = known->second;
            found.fresh = false;
            return !found.path.empty();
        }
        found = Found{};
        bool exists = Search(name, includingFolder, found);
        known_.emplace(std::move(place), exists ? found : Found{});
        return exists;
    }
    std::string text;

private:
    bool Search(std::string_view name, const std::string& includingFolder, Found& found) {
        auto tryPath = [&](std::string candidate) {
            if (chain_.Reaches(candidate)) found.fresh = false;
            else if (ReadWholeFile(NativePath(candidate), text) == FileReadStatus::Ok) found.fresh = true;
            else return false;
            found.path = std::move(candidate);
            return true;
        };
        found.beside = true;
        if (IsAbsolute(name)) return tryPath(std::string(name));
        if (!includingFolder.empty() && tryPath(JoinPath(includingFolder, name))) return true;
        found.beside = false;
        for (const std::string& folder : searchFolders_)
            if (!folder.empty() && tryPath(JoinPath(folder, name))) return true;
        return false;
    }

    IncludeChain& chain_;
    const std::vector<std::string>& searchFolders_;
    std::unordered_map<std::string, Found> known_;
};

}  // namespace

std::vector<std::string> IncludeNames(std::string_view text) {
    std::vector<std::string> names;
    ForEachStatement(text, [&](std::string_view statement, int) {
        std::string_view name = IncludedName(statement);
        if (!name.empty()) names.emplace_back(name);
    });
    return names;
}

std::string IncludePathKey(std::string_view path) {
    bool unc = path.size() > 1 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
    bool rooted = !path.empty() && (path[0] == '\\' || path[0] == '/');
    std::vector<std::string> parts;
    for (std::string& part : Split(ToLower(path), '/')) {
        for (std::string& piece : Split(part, '\\')) {
            if (piece.empty() || piece == ".") continue;
            if (piece == ".." && !parts.empty() && parts.back() != "..") {
                parts.pop_back();
                continue;
            }
            parts.push_back(std::move(piece));
        }
    }
    std::string key = unc ? "\\\\" : rooted ? "\\" : "";
    key += Join(parts, "\\");
    return key;
}

bool IncludeChain::Reaches(std::string_view path) const { return keys_.count(IncludePathKey(path)) != 0; }

bool IncludeChain::Add(const std::string& path, bool local) {
    if (!keys_.insert(IncludePathKey(path)).second) return false;
    files_.push_back(path);
    if (local) localFiles_.push_back(path);
    return true;
}

IncludeChain ResolveIncludeChain(const std::string& pageFolder, const std::vector<std::string>& includeNames,
                                 const std::vector<std::string>& searchFolders) {
    IncludeChain chain;
    IncludeReader reader(chain, searchFolders);
    // Files reached whose own include lines are still to be followed.
    struct Pending {
        std::string folder;
        std::vector<std::string> names;
        bool local;
    };
    std::deque<Pending> pending;
    IncludeReader::Found found;
    auto reach = [&](std::string_view name, const std::string& includingFolder, bool includerLocal) {
        if (chain.Count() >= kMostFiles || !reader.Find(name, includingFolder, found) || !found.fresh) return;
        bool local = found.beside && includerLocal;
        chain.Add(found.path, local);
        pending.push_back({ExtractFileDir(found.path), IncludeNames(reader.text), local});
    };
    for (const std::string& name : includeNames) reach(name, pageFolder, true);
    while (!pending.empty()) {
        Pending file = std::move(pending.front());
        pending.pop_front();
        for (const std::string& name : file.names) reach(name, file.folder, file.local);
    }
    return chain;
}

std::shared_ptr<const IncludeChain> IncludeChainCache::Chain(const std::string& pageFolder,
                                             const std::vector<std::string>& includeNames,
                                             const std::vector<std::string>& searchFolders) {
    std::string key = pageFolder;
    for (const auto* list : {&includeNames, &searchFolders}) {
        key += '\n';
        key += Join(*list, "\x1f");
    }
    for (auto kept = chains_.begin(); kept != chains_.end(); ++kept) {
        if (kept->key != key) continue;
        chains_.splice(chains_.begin(), chains_, kept);
        return chains_.front().chain;
    }
    ++resolutions_;
    chains_.push_front({std::move(key), std::make_shared<const IncludeChain>(
                                            ResolveIncludeChain(pageFolder, includeNames, searchFolders))});
    while (chains_.size() > capacity_ && capacity_ > 0) chains_.pop_back();
    return chains_.front().chain;
}

std::vector<std::string> IncludeSearchFolders(const std::vector<std::string>& includeDirectories,
                                              const std::string& compilerPath) {
    std::vector<std::string> folders;
    for (const std::string& folder : includeDirectories)
        if (!Trim(folder).empty()) folders.push_back(folder);
    std::string compilerFolder = ExtractFileDir(compilerPath);
    if (!compilerFolder.empty()) folders.push_back(JoinPath(compilerFolder, "inc"));
    return folders;
}

IncludeChainCache& SharedIncludeChains() {
    static IncludeChainCache cache;
    return cache;
}

}  // namespace tavrin
