#include "compiler/error_list.h"

#include "compiler/message_location.h"
#include "common/text.h"
#include "editor/error_record.h"

#include <unordered_map>

namespace tavrin {

namespace {
// A name with a NUL byte names no file (the system would read only the part
// before it).
bool NamesFile(ErrorMarkTarget& pages, const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos && pages.FileExists(path);
}
}  // namespace

ErrorMark MakeErrorMark(long long line, ErrorKind kind) {
    ErrorMark mark;
    mark.line = line;
    mark.kind = kind;
    // The parser's colours override the editor's kind colours for errors and
    // warnings: plain white and black instead of the window's colours.
    switch (kind) {
    case ErrorKind::Error:
        mark.background = kRed;
        mark.foreground = kWhite;
        break;
    case ErrorKind::Warning:
        mark.background = kYellow;
        mark.foreground = kBlack;
        break;
    case ErrorKind::Neither:
        mark.background = kWindowBackground;
        mark.foreground = kWindowText;
        break;
    }
    return mark;
}

void TDebugger::ClearErrors() {
    pages_.ClearActivePageMarks();
    errorLines_.clear();
    knownErrorLines_.clear();
    if (OnClear) OnClear();
}

void TDebugger::AddErrorLine(const std::string& text) {
    if (knownErrorLines_.insert(text).second) errorLines_.push_back(text);
}

PageHandle TDebugger::FindPage(const std::string& path) {
    if (path.empty()) return nullptr;
    PageHandle found = nullptr;
    bool lastMatchWins = pages_.MultipleFileInstances();
    int count = pages_.PageCount();
    for (int i = 0; i < count; ++i) {
        PageHandle page = pages_.PageAt(i);
        if (!EqualsNoCase(pages_.PageFileName(page), path)) continue;
        pages_.ActivatePage(page);
        found = page;
        if (!lastMatchWins) break;
    }
    return found;
}

void TDebugger::ParseOutput() {
    bool anyText = false;
    for (const std::string& line : Lines)
        if (!Trim(line).empty()) {
            anyText = true;
            break;
        }
    if (!anyText) return;

    // One file-system query per distinct name, however long the output.
    std::unordered_map<std::string, bool> existence;
    auto fileExists = [&](const std::string& path) {
        auto found = existence.find(path);
        if (found != existence.end()) return found->second;
        bool exists = NamesFile(pages_, path);
        existence.emplace(path, exists);
        return exists;
    };

    ErrorKind kind = ErrorKind::Neither;
    for (size_t i = 0; i < Lines.size(); ++i) {
        std::string_view line = Trim(Lines[i]);
        if (line.empty()) continue;
        std::string lower = ToLower(line);
        // The kind carries over to following lines that name neither.
        if (lower.find("error ") != std::string::npos) kind = ErrorKind::Error;
        if (lower.find("warning ") != std::string::npos) kind = ErrorKind::Warning;

        MessageLocation location = FindMessageLocation(line, fileExists);
        if (!fileExists(location.file)) continue;
        PageHandle page = FindPage(location.file);
        if (!page) page = pages_.OpenPage(location.file);
        if (!page) continue;
        pages_.SetCurrentDocument(page);
        if (lower.find("error") == std::string::npos || !location.lineValid) continue;
        pages_.AddErrorMark(page, MakeErrorMark(location.line, kind));
        AddErrorLine(std::string(line));
        pages_.AddResultGutterMark(static_cast<int>(i));
        pages_.AddEditorGutterMark(page, location.line);
    }
}

void TDebugger::JumpToMessage(const std::string& resultLine) {
    std::string_view line = Trim(resultLine);
    MessageLocation location =
        FindMessageLocation(line, [&](const std::string& path) { return NamesFile(pages_, path); });
    long long number = location.lineValid ? location.line : LeadingNumber(location.numberText);
    // Without any "(" the whole line stands for the file name.
    std::string file = line.find('(') == std::string_view::npos ? std::string(line)
                                                                : location.file;
    if (file.empty()) return;  // a blank line or one that starts with "(" names no page
    PageHandle page = FindPage(file);
    if (!page) page = pages_.OpenPage(file);
    if (page) pages_.JumpToLine(page, number);
}

}  // namespace tavrin
