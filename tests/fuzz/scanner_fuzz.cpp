// Fuzz target for the source scanner, the include database reader and the
// file mask matcher. The first byte chooses what the rest of the input feeds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/explorer_tree_model.h"
#include "analysis/include_database.h"
#include "analysis/scanner.h"
#include "common/file_search.h"

namespace {

using tavrin::ExplorerTreeModel;
using tavrin::FieldList;
using tavrin::TDataBase;
using tavrin::TScanner;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void ScanOnce(std::string_view text) {
    ExplorerTreeModel tree;
    TScanner scanner;
    scanner.OnReport = [](const std::string& line) { Check(!line.empty()); };
    scanner.SetTreeView(&tree);
    scanner.ScanText(text, "fuzz.bas");
    // Every symbol can be found again by its name (unless an earlier one shadows it).
    for (int c = 0; c < TScanner::CategoryCount; ++c)
        for (const auto& record : scanner.List(static_cast<TScanner::Category>(c))) {
            Check(record != nullptr);
            Check(record->Line >= 1 && static_cast<size_t>(record->Line) <= scanner.LineCount());
            if (c != TScanner::Operators && c != TScanner::Properties)
                Check(scanner.FindSymbol(record->Name()) != nullptr);
        }
    scanner.ScanLines();  // a second scan of the same lines starts from the shared state left
}

void ParseDataBase(std::string_view text) {
    FieldList entries;
    TDataBase::ParseDataBaseText(text, entries);
    // What is saved loads back as the same entries.
    TDataBase db("unused");
    for (auto& entry : entries) db.Add(entry);
    std::string saved = db.DataBaseText();
    FieldList reloaded;
    TDataBase::ParseDataBaseText(saved, reloaded);
    Check(reloaded.size() == entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        Check(reloaded[i]->Name() == entries[i]->Name());
        Check(reloaded[i]->FileName() == entries[i]->FileName());
    }
    for (auto& entry : entries) Check(db.FindEntry(entry->Name()) != nullptr);
}

void MatchMask(std::string_view input) {
    size_t split = input.find('\0');
    if (split == std::string_view::npos) split = input.size() / 2;
    std::string_view name = input.substr(0, split);
    std::string_view mask = input.substr(split < input.size() ? split + 1 : split);
    bool matched = tavrin::MatchesMask(name, mask);
    if (mask == "*") Check(matched);
    if (mask == name && mask.find_first_of("*?") == std::string_view::npos) Check(matched);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
        case 0:
        case 1: ScanOnce(input); break;
        case 2: ParseDataBase(input); break;
        default: MatchMask(input); break;
    }
    return 0;
}
