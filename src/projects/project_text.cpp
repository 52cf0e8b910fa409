#include "projects/project_text.h"

#include "common/paths.h"
#include "common/text.h"
#include "editor/line_document.h"

namespace tavrin {

namespace {

struct Word {
    size_t start;
    std::string_view text;
};

std::vector<Word> WordsOf(std::string_view line) {
    std::vector<Word> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        size_t end = line.find_first_of(" \t", at);
        if (end == std::string_view::npos) end = line.size();
        if (end > at) words.push_back({at, line.substr(at, end - at)});
        at = end;
    }
    return words;
}

bool StartsComment(std::string_view word) { return word.front() == '\'' || EqualsNoCase(word, "rem"); }

bool DefinesProject(const std::vector<Word>& words) {
    return words.size() >= 2 && EqualsNoCase(words[0].text, "#define") &&
           EqualsNoCase(words[1].text, "project");
}

// The code of a line with its comments removed; depth carries the nesting
// of "/' ... '/" comments from line to line.
std::string CodeOfLine(std::string_view line, int& depth) {
    std::string code;
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (depth > 0) {
            if (c == '\'' && next == '/') --depth, ++i;
            else if (c == '/' && next == '\'') ++depth, ++i;
            continue;
        }
        if (inString) {
            inString = c != '"';
            code += c == ':' ? ' ' : c;  // a colon inside a string separates nothing
            continue;
        }
        if (c == '/' && next == '\'') {
            ++depth, ++i;
            code += ' ';
            continue;
        }
        if (c == '\'') break;
        inString = c == '"';
        code += c;
    }
    return code;
}

bool IsRunStatement(std::string_view statement) {
    std::string compact;
    for (char c : statement)
        if (c != ' ' && c != '\t') compact += AsciiLower(c);
    return compact == kRunStatement || compact == std::string(kRunStatement) + "()";
}

}  // namespace

std::string NumberedProjectName(int number) { return "Project" + std::to_string(number); }

std::string NewProjectSourceLine(const std::string& name) { return "#Define Project " + name; }

std::string IncludeOnceLine(const std::string& path) { return "#include once \"" + path + "\""; }

std::vector<std::string> ProjectFileLines(const std::string& name, const std::vector<std::string>& units) {
    std::vector<std::string> lines{"#define project " + name, ""};
    for (const std::string& unit : units) lines.push_back(IncludeOnceLine(unit));
    return lines;
}

std::string ProjectNameOfSource(const LineDocument& lines, const std::string& path) {
    std::string name;
    for (int i = 0, count = lines.LineCount(); i < count; ++i) {
        std::string line = lines.Line(i);
        std::vector<Word> words = WordsOf(line);
        if (DefinesProject(words) && words.size() > 2) name = std::string(words[2].text);
    }
    if (!name.empty()) return name;
    std::string file = ExtractFileName(path);
    return file.substr(0, file.find_last_of('.'));
}

std::optional<std::string> UnitPathOfLine(std::string_view line) {
    std::vector<Word> words = WordsOf(line);
    size_t include = 0;
    while (include < words.size() && !EqualsNoCase(words[include].text, "#include")) {
        if (StartsComment(words[include].text)) return std::nullopt;
        ++include;
    }
    size_t name = include + 1;
    if (name < words.size() && EqualsNoCase(words[name].text, "once")) ++name;
    if (name >= words.size()) return std::nullopt;
    std::string path;
    if (words[name].text.front() == '"') {
        size_t start = words[name].start + 1;
        size_t close = line.find('"', start);
        path = std::string(line.substr(start, close == std::string_view::npos ? line.npos : close - start));
    } else {
        for (char c : words[name].text)
            if (c != '"') path += c;
    }
    if (path.empty()) return std::nullopt;
    return path;
}

std::string ResolveUnitPath(const std::string& projectFile, const std::string& unitPath) {
    bool absolute = !unitPath.empty() && (unitPath[0] == '\\' || unitPath[0] == '/' ||
                                          (unitPath.size() >= 2 && unitPath[1] == ':'));
    if (absolute) return unitPath;
    // The project file's folder with its separator ("C:" alone for "C:name").
    size_t separator = projectFile.find_last_of("\\/");
    if (separator != std::string::npos) return projectFile.substr(0, separator + 1) + unitPath;
    if (projectFile.size() >= 2 && projectFile[1] == ':') return projectFile.substr(0, 2) + unitPath;
    return unitPath;
}

bool HasRunStatement(const LineDocument& lines) {
    int depth = 0;
    for (int i = 0, count = lines.LineCount(); i < count; ++i) {
        for (const std::string& statement : Split(CodeOfLine(lines.Line(i), depth), ':')) {
            std::vector<Word> words = WordsOf(statement);
            if (!words.empty() && EqualsNoCase(words[0].text, "rem")) break;
            if (IsRunStatement(statement)) return true;
        }
    }
    return false;
}

int UnitLinePosition(const LineDocument& lines) {
    int lastUnit = -1, lastDefine = -1;
    for (int i = 0, count = lines.LineCount(); i < count; ++i) {
        std::string line = lines.Line(i);
        if (UnitPathOfLine(line)) lastUnit = i;
        else if (DefinesProject(WordsOf(line))) lastDefine = i;
    }
    if (lastUnit >= 0) return lastUnit + 1;
    if (lastDefine >= 0) return lastDefine + 1;
    return lines.LineCount();
}

int FindUnitLine(const LineDocument& lines, const std::string& path, const std::string& sourceFile) {
    for (int i = 0, count = lines.LineCount(); i < count; ++i) {
        std::optional<std::string> unit = UnitPathOfLine(lines.Line(i));
        if (unit && EqualsNoCase(ResolveUnitPath(sourceFile, *unit), path)) return i;
    }
    return -1;
}

std::string ProjectSaveTarget(const std::string& chosen, int filterIndex) {
    if (filterIndex == 1) return ChangeFileExt(chosen, ".bas");
    if (filterIndex == 2) return ChangeFileExt(chosen, ".bi");
    return chosen;
}

std::string ProjectCloseQuestion(const std::string& name) {
    return "The " + name + " project was modified.\nSave it?";
}

std::string NodeTextWithSavedMark(const std::string& text, bool saved) {
    if (saved) return !text.empty() && text[0] == '*' ? text.substr(1) : text;
    return text.find('*') == std::string::npos ? "*" + text : text;
}

}  // namespace tavrin
