#include "analysis/include_database.h"

#include <cstdio>

#include "analysis/record_pool.h"
#include "analysis/source_line.h"
#include "common/file_search.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {

namespace {
// Follows at most this many aliases when looking for a type's members.
constexpr int kMaxAliasHops = 8;
}  // namespace

TDataBase::TDataBase(std::string databaseFile) : databaseFile_(std::move(databaseFile)) {
    scanner_.OnBegin = [this](TScanner&, const std::string& fileName) {
        if (OnScanBegin) OnScanBegin(fileName);
    };
    scanner_.OnEnd = [this](TScanner& scanner, double elapsedMs) {
        for (const auto& type : scanner.List(TScanner::Types)) entries_.push_back(type);
        if (OnScanEnd) OnScanEnd(ScanTimeText(elapsedMs));
    };
}

void TDataBase::Add(std::shared_ptr<TField> entry) {
    if (entry) entries_.push_back(std::move(entry));
}

void TDataBase::Clear() {
    entries_.clear();
    index_.clear();
    indexedCount_ = 0;
}

void TDataBase::ParseDataBaseText(std::string_view text, FieldList& entries) {
    for (const std::string& line : SplitLines(text)) {
        if (TrimBlanks(line).empty()) continue;
        auto entry = MakeRecord<TField>();
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            entry->SetFileName(line);
        } else {
            entry->InitName(line.substr(0, equals));
            entry->SetFileName(line.substr(equals + 1));
        }
        entries.push_back(std::move(entry));
    }
}

bool TDataBase::LoadDataBase() {
    Clear();
    std::string contents;
    if (ReadWholeFile(NativePath(databaseFile_), contents) != FileReadStatus::Ok) return false;
    ParseDataBaseText(contents, entries_);
    return true;
}

std::string TDataBase::DataBaseText() const {
    std::string text;
    for (const auto& entry : entries_) {
        text += entry->Name();
        text += '=';
        text += entry->FileName();
        text += "\r\n";
    }
    return text;
}

bool TDataBase::SaveDataBase() const {
    return WriteFileReplacing(NativePath(databaseFile_), DataBaseText());
}

std::string TDataBase::ScanTimeText(double elapsedMs) {
    char text[64];
    std::snprintf(text, sizeof text, "Scan tine :%.2f sec(s)", elapsedMs / 1000.0);
    return text;
}

// Searches the folder and scans every file found. A build asked for by a
// message run during another build is ignored.
void TDataBase::ScanFolder(const std::string& folder, const std::string& masks) {
    if (building_) return;
    building_ = true;
    struct EndOfBuild {
        bool& flag;
        ~EndOfBuild() { flag = false; }
    } endOfBuild{building_};
    std::vector<std::string> files;
    FileSearch(folder, masks, true, files);
    fileList_.insert(fileList_.end(), files.begin(), files.end());
    for (const std::string& file : files) scanner_.ScanFile(file);
}

void TDataBase::AddCompilerIncludes(const std::string& compilerFolder) {
    if (building_) return;
    compilerFolder_ = compilerFolder;
    if (IsExistingFolder(compilerFolder)) ScanFolder(JoinPath(compilerFolder, "inc"), "*.bi");
}

void TDataBase::AddFolder(const std::string& folder) {
    if (building_) return;
    lastFolder_ = folder;
    if (IsExistingFolder(folder)) ScanFolder(folder, "*.bas;*.bi;*.inc");
}

std::shared_ptr<TField> TDataBase::FindEntry(std::string_view name) const {
    if (indexedCount_ > entries_.size()) {
        index_.clear();
        indexedCount_ = 0;
    }
    for (; indexedCount_ < entries_.size(); ++indexedCount_)
        index_.emplace(ToLower(entries_[indexedCount_]->Name()), indexedCount_);
    auto found = index_.find(ToLower(name));
    if (found == index_.end() || found->second >= entries_.size()) return nullptr;
    return entries_[found->second];
}

int TDataBase::ResolveFields(TField& entry) const {
    TScanner scanner;
    scanner.OnReport = [](const std::string&) {};  // the file was reported when it was built
    if (!scanner.ScanFile(entry.FileName())) return 0;
    std::shared_ptr<TField> type = scanner.FindSymbol(entry.Name());
    for (int hop = 0; hop < kMaxAliasHops && type && type->Fields.empty(); ++hop) {
        const TType* alias = type->AsType();
        if (!alias || alias->AliasOf.empty()) break;
        type = scanner.FindSymbol(alias->AliasOf);
    }
    if (!type || type->Fields.empty()) return 0;
    entry.Fields = type->Fields;
    return static_cast<int>(entry.Fields.size());
}

std::string TDataBase::EntryText(std::string_view lineText) const {
    std::shared_ptr<TField> entry = FindEntry(TrimBlanks(lineText));
    if (!entry || ResolveFields(*entry) <= 0) return {};
    std::string text = entry->Name();
    text += '\n';
    text += CategoryNamesText(entry->Fields);
    return text;
}

void TDataBase::ShowEntry(std::string_view lineText) const {
    std::string text = EntryText(lineText);
    if (!text.empty()) UserPrompts().Information(text);
}

std::vector<std::string> TDataBase::TypeNames() const { return NamesOf(entries_); }

std::string TDataBase::TypeNamesText() const { return CategoryNamesText(entries_); }

}  // namespace tavrin
