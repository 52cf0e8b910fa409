// TProject: a group of source files ("units") under one project source, a
// FreeBASIC file that names the project with "#define project" and includes
// every unit with an "#include once" line. The project source is shown in a
// code page (SourcePage); the project text written to the project file is
// that page's text, or, while no page shows the source, the project file
// format built from the unit list.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "common/string_list.h"
#include "projects/project_host.h"

namespace tavrin {

class TProject {
public:
    explicit TProject(ProjectHost& host);
    virtual ~TProject();
    TProject(const TProject&) = delete;
    TProject& operator=(const TProject&) = delete;

    StringList Lines;            // the project text, built before each save
    StringList UnitFiles;        // unit paths; each entry's object is the page showing it, if any
    std::string ProjectFile;     // empty until saved under a name
    std::string ProjectName;
    bool Saved = true;
    std::unique_ptr<ProjectNode> Node;
    PageRef SourcePage = nullptr;

    // Saved := flag; the node's text gets or loses its leading "*".
    void SetSaved(bool saved);
    // ProjectFile := path, and the units named in the file there are opened.
    void SetProjectFile(const std::string& path);
    void Rename(const std::string& name);
    // Position of the path in UnitFiles (letter case ignored), -1 if absent.
    int IndexOfUnit(const std::string& path) const;
    // ProjectFile := path; opens every unit the file names (a relative path
    // read from the project file's folder) and lists it, once, in UnitFiles.
    // No file there: UnitFiles is emptied.
    void LoadUnits(const std::string& path);
    // Lines := the source page's text while a page shows it, else the
    // project file format.
    void BuildText();
    // Writes the project file when it exists.
    void SaveProject();
    // Asks for a name and writes the project there; false when cancelled.
    bool SaveProjectAs();
    // The question of a modified project: Yes saves it (false when its save
    // box was cancelled), No leaves it; Cancel raises CommandAborted.
    bool AskToSave();
    // Frees the pages of the units (the last unit first); a page with unsaved
    // changes stays, so that its text is not lost.
    void CloseUnitPages();

    // Adds a unit (not the project's own source, not twice): the unit list,
    // an "#include once" line in the source page, the unsaved mark and the
    // node. False when nothing was added.
    bool AddUnit(const std::string& path, PageRef page);
    // Takes a unit out of the list and its line out of the source page.
    void RemoveUnit(int index);
    // Moves a unit one place up (-1) or down (+1), its line in the source
    // page with it; false when it cannot move.
    bool MoveUnit(int index, int step);

    // The compilation of the project while it is current: the current page
    // joins the units, the source gets "application.run" unless it has one,
    // and the source page is saved. Returns the file to compile: the source
    // page's file, the project file when no page shows the source, or nothing
    // when neither exists. A cancelled save raises CommandAborted.
    std::optional<std::string> PrepareCompile(PageRef currentPage);

    // The page is being destroyed: it no longer shows the source or a unit.
    void PageDestroyed(PageRef page);
    // A page of the code window shows the project source.
    bool SourceShown() const;
    // The path of the project source: the source page's file, else ProjectFile.
    std::string SourceFile() const;
    ProjectHost& Host() const { return host_; }

private:
    bool IsOwnSource(const std::string& path) const;
    void UnitsChanged();
    void WriteText();

    ProjectHost& host_;
};

}  // namespace tavrin
