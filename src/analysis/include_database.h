// TDataBase: which file declares which type, over the compiler's include files
// and the user's include folders. Kept in "DataBase.ini" as one "name=path"
// line per type; the members of a type are read on demand by scanning its
// declaring file again.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/scanner.h"
#include "analysis/scanner_records.h"

namespace tavrin {

class TDataBase {
public:
    // databaseFile: the application folder + "\DataBase.ini".
    explicit TDataBase(std::string databaseFile);
    TDataBase(const TDataBase&) = delete;
    TDataBase& operator=(const TDataBase&) = delete;

    const std::string& DataBaseFile() const { return databaseFile_; }

    // Entries in database order (type name = the record's Name, file = its FileName).
    const FieldList& Entries() const { return entries_; }
    size_t Count() const { return entries_.size(); }
    void Add(std::shared_ptr<TField> entry);
    void Clear();
    // The database counts as built when it has at least one entry.
    bool IsBuilt() const { return !entries_.empty(); }

    // Replaces the entries with the file's. Returns false when the file is
    // missing or unreadable (the database is then empty).
    bool LoadDataBase();
    // Writes every entry as "name=path" CR LF through a temporary file.
    // Returns false when the file could not be written (it is then unchanged).
    bool SaveDataBase() const;
    // The file format: parsing appends entries; a line without "=" gives an
    // empty name and the whole line as file name; blank lines are skipped.
    static void ParseDataBaseText(std::string_view text, FieldList& entries);
    std::string DataBaseText() const;

    // Scans every "*.bi" under compilerFolder + "\inc" (sub-folders included).
    void AddCompilerIncludes(const std::string& compilerFolder);
    // Scans every "*.bas", "*.bi" and "*.inc" under folder (sub-folders included).
    void AddFolder(const std::string& folder);
    const std::string& CompilerFolder() const { return compilerFolder_; }
    const std::string& LastFolder() const { return lastFolder_; }
    // Files scanned by the building operations, in scan order.
    const std::vector<std::string>& FileList() const { return fileList_; }

    // Progress of a build, for the splash window: the file being scanned, and
    // the "Scan tine :%f sec(s)" text after each file.
    std::function<void(const std::string& fileName)> OnScanBegin;
    std::function<void(const std::string& timeText)> OnScanEnd;
    static std::string ScanTimeText(double elapsedMs);

    // First entry named name without regard to case, or null.
    std::shared_ptr<TField> FindEntry(std::string_view name) const;
    // Scans the entry's file and copies the members of its type (following
    // aliases within that file) into the entry's Fields, replacing earlier
    // ones. Returns the number of members (0 when the type is not found).
    int ResolveFields(TField& entry) const;
    // Text shown for a result-window line naming a type: the type name and its
    // member names, one per line; empty when the type has no members.
    std::string EntryText(std::string_view lineText) const;
    // Shows EntryText in an information box when it is not empty.
    void ShowEntry(std::string_view lineText) const;

    // The "DataBase" view of the result window: type names, one per line.
    std::vector<std::string> TypeNames() const;
    std::string TypeNamesText() const;

    TScanner& Scanner() { return scanner_; }

private:
    void ScanFolder(const std::string& folder, const std::string& masks);

    std::string databaseFile_;
    FieldList entries_;
    TScanner scanner_;
    std::vector<std::string> fileList_;
    std::string compilerFolder_, lastFolder_;
    bool building_ = false;
    // Lower-case name -> index of the first entry; rebuilt after changes.
    mutable std::unordered_map<std::string, size_t> index_;
    mutable size_t indexedCount_ = 0;
};

}  // namespace tavrin
