#include "common/ini_file.h"

#include <climits>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "common/line_breaks.h"
#include "common/string_list.h"
#include "common/text.h"
#include "common/text_codec.h"

namespace tavrin {

namespace {

// Blanks around names and values; ^Z (an old end-of-file mark) counts as one.
bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view TrimProfile(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsProfileSpace(text[begin]))
        ++begin;
    while (end > begin && IsProfileSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

enum class LineKind { Blank, Comment, Section, Entry };

struct Line {
    std::string_view text;       // without its line break
    std::string_view lineBreak;  // "\r\n", "\n", "\r" or empty for a last line without one
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name or key name
    std::string_view value;  // entries with "="
    bool hasValue = false;
};

Line ParseLine(std::string_view text, std::string_view lineBreak) {
    Line line;
    line.text = text;
    line.lineBreak = lineBreak;
    std::string_view trimmed = TrimProfile(text);
    if (trimmed.empty()) return line;
    if (trimmed[0] == ';') {
        line.kind = LineKind::Comment;
        return line;
    }
    if (trimmed[0] == '[') {
        size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = TrimProfile(trimmed.substr(1, close - 1));
            return line;
        }
    }
    line.kind = LineKind::Entry;
    size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.name = trimmed;
    } else {
        line.name = TrimProfile(trimmed.substr(0, equals));
        line.value = TrimProfile(trimmed.substr(equals + 1));
        line.hasValue = true;
    }
    return line;
}

constexpr size_t kNone = static_cast<size_t>(-1);

// The file's content split into classified lines. The lines refer into the
// content, so a document is neither copied nor moved.
class Document {
public:
    explicit Document(std::string content) : content_(std::move(content)) {
        std::string_view all = content_;
        if (all.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
            bom_ = all.substr(0, kUtf8ByteOrderMark.size());
            all.remove_prefix(kUtf8ByteOrderMark.size());
        }
        ForEachLine(all, [this](std::string_view line, std::string_view lineBreak) {
            if (lines_.empty() && lineBreak == "\n") lineBreak_ = "\n";
            lines_.push_back(ParseLine(line, lineBreak));
        });
    }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::vector<Line>& Lines() const { return lines_; }
    std::string_view Bom() const { return bom_; }
    std::string_view LineBreak() const { return lineBreak_; }

    size_t FindSection(std::string_view name) const {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (IsSection(i, name)) return i;
        return kNone;
    }

    // Index of the line after the section that starts at header.
    size_t SectionEnd(size_t header) const {
        size_t i = header + 1;
        while (i < lines_.size() && lines_[i].kind != LineKind::Section)
            ++i;
        return i;
    }

    size_t FindKey(size_t header, std::string_view key) const {
        for (size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
            if (IsKey(i, key)) return i;
        return kNone;
    }

    bool IsSection(size_t i, std::string_view name) const {
        return lines_[i].kind == LineKind::Section && !lines_[i].name.empty() &&
               EqualsNoCase(lines_[i].name, name);
    }

    bool IsKey(size_t i, std::string_view key) const {
        return lines_[i].kind == LineKind::Entry && EqualsNoCase(lines_[i].name, key);
    }

private:
    std::string content_;
    std::string_view bom_;
    std::string_view lineBreak_ = "\r\n";
    std::vector<Line> lines_;
};

// Builds the new content of a document line by line.
class Rewriter {
public:
    explicit Rewriter(const Document& document) : document_(document) { output_ += document.Bom(); }

    void Keep(const Line& line) { Replace(line, line.text); }

    // The line's text replaced; its line break kept.
    void Replace(const Line& line, std::string_view text) {
        output_ += text;
        output_ += line.lineBreak;
        atLineStart_ = !line.lineBreak.empty();
    }

    // A new line, after a line break if the text so far lacks one.
    void Add(std::string_view text) {
        if (!atLineStart_) output_ += document_.LineBreak();
        output_ += text;
        output_ += document_.LineBreak();
        atLineStart_ = true;
    }

    const std::string& Output() const { return output_; }

private:
    const Document& document_;
    std::string output_;
    bool atLineStart_ = true;
};

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsStorableSection(std::string_view section) {
    return !section.empty() && !HasLineBreakOrNul(section);
}

bool IsStorableKey(std::string_view key) {
    return !key.empty() && key[0] != '[' && key[0] != ';' &&
           key.find('=') == std::string_view::npos && !HasLineBreakOrNul(key);
}

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

// The content without the lines the predicate drops, or nothing when none is dropped.
template <typename DropLine>
std::optional<std::string> ContentWithout(const Document& document, DropLine drop) {
    Rewriter rewriter(document);
    bool dropped = false;
    for (size_t i = 0; i < document.Lines().size(); ++i) {
        if (drop(i))
            dropped = true;
        else
            rewriter.Keep(document.Lines()[i]);
    }
    if (!dropped) return std::nullopt;
    return rewriter.Output();
}

}  // namespace

void IniFile::BeginBatch() {
    if (batchDepth_++ > 0) return;
    batchReadable_ = ReadWholeFile(path_, batchContent_) != FileReadStatus::Failed;
    batchChanged_ = false;
}

bool IniFile::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    bool written = !batchChanged_ || WriteFileReplacing(path_, batchContent_);
    batchContent_.clear();
    return written;
}

bool IniFile::ReadContent(std::string& content) const {
    if (batchDepth_ == 0) return ReadWholeFile(path_, content) != FileReadStatus::Failed;
    content = batchContent_;
    return batchReadable_;
}

bool IniFile::Store(std::string content) {
    if (batchDepth_ == 0) return WriteFileReplacing(path_, content);
    batchContent_ = std::move(content);
    batchChanged_ = true;
    return true;
}

std::optional<std::string> IniFile::LookUp(std::string_view section, std::string_view key) const {
    section = TrimProfile(section);
    key = TrimProfile(key);
    std::string content;
    if (section.empty() || key.empty() || !ReadContent(content)) return std::nullopt;
    const Document document(std::move(content));
    size_t header = document.FindSection(section);
    if (header == kNone) return std::nullopt;
    size_t found = document.FindKey(header, key);
    if (found == kNone || !document.Lines()[found].hasValue) return std::nullopt;
    return std::string(WithoutQuotes(document.Lines()[found].value));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    std::optional<std::string> value = LookUp(section, key);
    return value ? *value : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    std::optional<std::string> text = LookUp(section, key);
    long long value = 0;
    if (!text || !ParseInt(*text, value) || value < INT_MIN || value > INT_MAX) return defaultValue;
    return static_cast<int>(value);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    section = TrimProfile(section);
    std::string content;
    if (section.empty() || !ReadContent(content)) return keys;
    const Document document(std::move(content));
    size_t header = document.FindSection(section);
    if (header == kNone) return keys;
    std::unordered_set<std::string> seen;
    for (size_t i = header + 1, end = document.SectionEnd(header); i < end; ++i) {
        const Line& line = document.Lines()[i];
        if (line.kind != LineKind::Entry || !line.hasValue || line.name.empty()) continue;
        if (seen.insert(ToLower(line.name)).second) keys.emplace_back(line.name);
    }
    return keys;
}

std::vector<std::string> IniFile::ReadSections() const {
    std::vector<std::string> sections;
    std::string content;
    if (!ReadContent(content)) return sections;
    const Document document(std::move(content));
    std::unordered_set<std::string> seen;
    for (const Line& line : document.Lines()) {
        if (line.kind != LineKind::Section || line.name.empty()) continue;
        if (seen.insert(ToLower(line.name)).second) sections.emplace_back(line.name);
    }
    return sections;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsStorableKey(TrimProfile(key)) || HasLineBreakOrNul(value)) return false;
    return WriteKeys(section, {{std::string(key), std::string(value)}});
}

bool IniFile::WriteKeys(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& entries) {
    section = TrimProfile(section);
    if (!IsStorableSection(section)) return false;
    // Each key once (the spelling of its first write) with the value of its last write.
    struct Change {
        std::string_view key, value;
        size_t line = kNone;  // its line in the section, when the key is there
    };
    std::vector<Change> changes;
    std::unordered_map<std::string, size_t> changeOfKey;  // by lower-case key
    bool allStorable = true;
    for (const auto& [rawKey, value] : entries) {
        std::string_view key = TrimProfile(rawKey);
        if (!IsStorableKey(key) || HasLineBreakOrNul(value)) {
            allStorable = false;
            continue;
        }
        auto [at, added] = changeOfKey.emplace(ToLower(key), changes.size());
        if (added) changes.push_back({key, value});
        else changes[at->second].value = value;
    }
    if (changes.empty()) return allStorable;

    std::string content;
    if (!ReadContent(content)) return false;
    const Document document(std::move(content));
    const std::vector<Line>& lines = document.Lines();

    // Keys already in the section's first copy keep their line; new keys go
    // after the last non-blank line of the section.
    size_t header = document.FindSection(section);
    size_t insertAfter = kNone;
    std::unordered_map<size_t, size_t> changeAtLine;
    if (header != kNone) {
        insertAfter = header;
        for (size_t i = header + 1, end = document.SectionEnd(header); i < end; ++i) {
            if (lines[i].kind != LineKind::Blank) insertAfter = i;
            if (lines[i].kind != LineKind::Entry) continue;
            auto at = changeOfKey.find(ToLower(lines[i].name));
            if (at == changeOfKey.end() || changes[at->second].line != kNone) continue;
            changes[at->second].line = i;
            changeAtLine.emplace(i, at->second);
        }
    }

    bool changed = false;
    Rewriter rewriter(document);
    auto addNewKeys = [&] {
        for (const Change& change : changes) {
            if (change.line != kNone) continue;
            rewriter.Add(Concat({change.key, "=", change.value}));
            changed = true;
        }
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        auto at = changeAtLine.find(i);
        if (at == changeAtLine.end()) {
            rewriter.Keep(lines[i]);
        } else {
            std::string_view value = changes[at->second].value;
            if (lines[i].hasValue && lines[i].value == TrimProfile(value)) {
                rewriter.Keep(lines[i]);  // the file already says so
            } else {
                rewriter.Replace(lines[i], Concat({lines[i].name, "=", value}));
                changed = true;
            }
        }
        if (i == insertAfter) addNewKeys();
    }
    if (header == kNone) {
        rewriter.Add(Concat({"[", section, "]"}));
        addNewKeys();
    }
    if (!changed) return allStorable;
    return Store(rewriter.Output()) && allStorable;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::EraseSection(std::string_view section) {
    section = TrimProfile(section);
    if (!IsStorableSection(section)) return false;
    return RemoveLines(section, nullptr);
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    return DeleteKeys(section, {std::string(key)});
}

bool IniFile::DeleteKeys(std::string_view section, const std::vector<std::string>& keys) {
    section = TrimProfile(section);
    if (!IsStorableSection(section)) return false;
    std::unordered_set<std::string> lowerKeys;
    bool allStorable = true;
    for (const std::string& rawKey : keys) {
        std::string_view key = TrimProfile(rawKey);
        if (key.empty() || HasLineBreakOrNul(key)) allStorable = false;
        else lowerKeys.insert(ToLower(key));
    }
    if (lowerKeys.empty()) return allStorable;
    return RemoveLines(section, &lowerKeys) && allStorable;
}

bool IniFile::RemoveLines(std::string_view section, const std::unordered_set<std::string>* lowerKeys) {
    std::string content;
    if (!ReadContent(content)) return false;
    const Document document(std::move(content));
    bool inSection = false;
    std::optional<std::string> rewritten = ContentWithout(document, [&](size_t i) {
        const Line& line = document.Lines()[i];
        if (line.kind == LineKind::Section) inSection = document.IsSection(i, section);
        if (!inSection) return false;
        return !lowerKeys || (line.kind == LineKind::Entry && lowerKeys->count(ToLower(line.name)) > 0);
    });
    return !rewritten || Store(std::move(*rewritten));
}

}  // namespace tavrin
