// The texts of projects that need no window: the project file format, the
// names of new projects, the unit a source line names, the "application.run"
// statement the compilation adds, and the save box's rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

class LineDocument;

inline constexpr const char* kProjectSaveFilter =
    "FreeBasic Code File (*.bas)|*.bas|FreeBasic Header File (*.bi)|*.bi|All Files (*.*)|*.*";
// The statement the compilation of a project adds to its source.
inline constexpr const char* kRunStatement = "application.run";

// "Project%d"
std::string NumberedProjectName(int number);
// The first line of a new project's source: "#Define Project %s".
std::string NewProjectSourceLine(const std::string& name);
// "#include once \"%s\""
std::string IncludeOnceLine(const std::string& path);
// The project file: "#define project %s", an empty line, and one
// "#include once" line per unit, in order.
std::vector<std::string> ProjectFileLines(const std::string& name, const std::vector<std::string>& units);

// The name of an opened project: the word after "#define project" on the
// last line that has one, else the file name without its extension.
std::string ProjectNameOfSource(const LineDocument& lines, const std::string& path);

// The unit a line names: a line whose words (split at blanks and tabs)
// include "#include" (any case) names the word after it, or the word after
// "once" when "once" follows; every double quote is removed. A name that
// begins with a double quote runs to the closing one, blanks included.
// Nothing for other lines, for a commented "#include", and for a line that
// ends with "#include" or "once".
std::optional<std::string> UnitPathOfLine(std::string_view line);

// A unit path as the project file names it, read relative to the folder of
// the project file when it is not absolute.
std::string ResolveUnitPath(const std::string& projectFile, const std::string& unitPath);

// True when a statement of the text, outside comments and strings, is
// "application.run" (any case, with or without "()").
bool HasRunStatement(const LineDocument& lines);

// Where a new unit's "#include once" line goes in a project source: after
// the last line that names a unit, else after the last "#define project"
// line, else at the end.
int UnitLinePosition(const LineDocument& lines);
// The first line that names the unit, or -1: the path a line names is read
// relative to the folder of sourceFile, and compared without regard to case.
int FindUnitLine(const LineDocument& lines, const std::string& path, const std::string& sourceFile);

// Save As of a project: ".bas" for the first filter, ".bi" for the second,
// the name as chosen for any other.
std::string ProjectSaveTarget(const std::string& chosen, int filterIndex);
// "The %s project was modified.\nSave it?"
std::string ProjectCloseQuestion(const std::string& name);

// Unsaved: "*" in front unless the text holds one; saved: a leading "*" removed.
std::string NodeTextWithSavedMark(const std::string& text, bool saved);

}  // namespace tavrin
