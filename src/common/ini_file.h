// A settings file of INI form with private-profile semantics, read and written
// through its path on every call (no cache, so several users of one file see
// each other's writes).
//
// Reading: a "[name]" line opens a section (the name trimmed, up to the last
// "]"); "key=value" lines hold values (key and value trimmed; one pair of
// matching surrounding quotes is removed from a value); lines starting with
// ";" are comments. Section and key names are compared without regard to case.
// When a section or key occurs more than once, the first occurrence wins.
// A missing file, section or key gives the caller's default.
//
// Writing: every change goes to the file at once, through a temporary file
// that replaces it. Other lines (comments, blank lines, unknown lines, other
// sections) are kept as they stand. An existing key is replaced where it
// stands; a new key goes after the last non-blank line of its section; a new
// section is appended at the end of the file. Writes return false, leaving the
// file untouched, when the file cannot be read or written or when a name or
// value cannot be stored faithfully (line breaks or NUL bytes anywhere, "=" in
// a key, a key starting with "[" or ";", an empty name).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tavrin {


class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The default unless the value is a whole decimal number within int range.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer: non-zero is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Key names of the section in file order; a key repeated (in any case) is listed once.
    std::vector<std::string> ReadSectionKeys(std::string_view section) const;
    // Section names in file order; a section repeated (in any case) is listed once.
    std::vector<std::string> ReadSections() const;

    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    // Written as "1" or "0".
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    // Removes every section of that name with all its lines.
    bool EraseSection(std::string_view section);
    // Removes every line of that key in every section of that name.
    bool DeleteKey(std::string_view section, std::string_view key);

    // Many changes to one section with a single rewrite of the file, each
    // with the result of its one-key counterpart applied in turn. A key or
    // value that cannot be stored is skipped and makes the result false.
    bool WriteKeys(std::string_view section,
                   const std::vector<std::pair<std::string, std::string>>& entries);
    bool DeleteKeys(std::string_view section, const std::vector<std::string>& keys);

    // Changes made from BeginBatch to the matching EndBatch are kept in memory
    // (reads see them) and reach the file in one replacement at the end, with
    // the same result as writing each at once. Batches nest. EndBatch returns
    // false when the file could not be written.
    void BeginBatch();
    bool EndBatch();

private:
    // The file's content, or the batch's; false when the file cannot be read.
    bool ReadContent(std::string& content) const;
    bool Store(std::string content);
    std::optional<std::string> LookUp(std::string_view section, std::string_view key) const;
    // Removes every copy of the section, or only the lines of the keys (lower
    // case) in its copies.
    bool RemoveLines(std::string_view section, const std::unordered_set<std::string>* lowerKeys);

    std::string path_;
    int batchDepth_ = 0;
    std::string batchContent_;
    bool batchReadable_ = true;  // the file could be read when the batch began
    bool batchChanged_ = false;
};

// Keeps a batch of the file open for its lifetime.
class IniBatch {
public:
    explicit IniBatch(IniFile& file) : file_(&file) { file.BeginBatch(); }
    ~IniBatch() { End(); }
    IniBatch(const IniBatch&) = delete;
    IniBatch& operator=(const IniBatch&) = delete;

    // Ends the batch now; false when the file could not be written.
    bool End() {
        IniFile* file = file_;
        file_ = nullptr;
        return !file || file->EndBatch();
    }

private:
    IniFile* file_;
};

}  // namespace tavrin
