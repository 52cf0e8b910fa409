#include "workbench/page_rules.h"

#include "common/paths.h"
#include "common/commands.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {

PageCounters& Counters() {
    static PageCounters counters;
    return counters;
}

bool& CloseCancelled() {
    static bool cancelled = false;
    return cancelled;
}

std::string NextUnnamedCaption() {
    return "noname" + std::to_string(++Counters().unnamedPages);
}

std::string CaptionWithSavedMark(const std::string& caption, bool saved) {
    if (saved) return !caption.empty() && caption[0] == '*' ? caption.substr(1) : caption;
    return caption.find('*') == std::string::npos ? "*" + caption : caption;
}

std::string CaptionWithoutMark(const std::string& caption) {
    std::string text = caption;
    if (size_t star = text.find('*'); star != std::string::npos) text.erase(star, 1);
    return text;
}

std::string SaveAsTarget(const std::string& chosen, int filterIndex) {
    if (filterIndex == 1) return ChangeFileExt(chosen, ".bas");
    if (filterIndex == 2) return ChangeFileExt(chosen, ".bi");
    return chosen;
}

std::string ExportTarget(const std::string& chosen, int filterIndex, const std::string& extension) {
    return filterIndex == 1 ? ChangeFileExt(chosen, extension) : chosen;
}

std::string CloseQuestion(const std::string& name) {
    return "The " + name + " page was modified.\nDo you want to Save it?";
}

std::string CannotWriteMessage(const std::string& path) {
    return "Cannot create file \"" + path + "\". The file was not changed.";
}

std::string ReadOnlyMessage(const std::string& path) {
    return path + "\nThis file is set to read-only.\nTry again with a different file name.";
}

std::string OpenFailureLine(const std::string& path) { return "Except, on " + path; }

std::string MenuCaptionOfPath(std::string_view path) {
    std::string caption;
    for (char c : path) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

bool ListsExports(std::string_view path) {
    std::string name = ExtractFileName(path);
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return false;
    std::string_view extension = std::string_view(name).substr(dot);
    return EqualsNoCase(extension, ".dll") || EqualsNoCase(extension, ".exe") ||
           EqualsNoCase(extension, ".ocx");
}

FileKind DetectFileKindOfText(std::string_view text) {
    FileKind kind = FileKind::Plain;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        // Words at blanks; only the word after the first "#define" matters.
        bool afterDefine = false;
        size_t at = 0;
        while (at < line.size()) {
            while (at < line.size() && line[at] == ' ') ++at;
            size_t wordEnd = line.find(' ', at);
            if (wordEnd == std::string_view::npos) wordEnd = line.size();
            if (at == wordEnd) break;
            std::string_view word = line.substr(at, wordEnd - at);
            if (afterDefine) {
                if (EqualsNoCase(word, "project")) kind = FileKind::Project;
                else if (EqualsNoCase(word, "ocu")) kind = FileKind::ComponentUnit;
                break;
            }
            afterDefine = EqualsNoCase(word, "#define");
            at = wordEnd;
        }
        if (end == text.size()) break;
        start = end + 1;
    }
    return kind;
}

DecodedText ReadSourceFile(const std::string& path) {
    std::string bytes;
    FileReadStatus status = ReadWholeFile(path, bytes);
    if (status == FileReadStatus::Missing) throw CommandError("Cannot open file \"" + path + "\". File not found.");
    if (status != FileReadStatus::Ok) throw CommandError("Cannot open file \"" + path + "\". Access denied.");
    return DecodeSourceFile(std::move(bytes));
}

FileKind DetectFileKind(const std::string& path) { return DetectFileKindOfText(ReadSourceFile(path).text); }

}  // namespace tavrin
