#include "projects/project.h"

#include <algorithm>

#include "common/commands.h"
#include "common/file_checks.h"
#include "common/file_replace.h"
#include "common/prompts.h"
#include "common/text.h"
#include "common/text_codec.h"
#include "editor/line_document.h"
#include "projects/project_text.h"

namespace tavrin {

TProject::TProject(ProjectHost& host) : host_(host) {}

TProject::~TProject() {
    Node.reset();
    if (SourceShown() && host_.PageLink(SourcePage) == this) host_.SetPageLink(SourcePage, nullptr);
}

void TProject::SetSaved(bool saved) {
    Saved = saved;
    if (Node) Node->SetText(NodeTextWithSavedMark(Node->Text(), saved));
}

void TProject::SetProjectFile(const std::string& path) { LoadUnits(path); }

void TProject::Rename(const std::string& name) { ProjectName = name; }

int TProject::IndexOfUnit(const std::string& path) const { return UnitFiles.IndexOf(path); }

void TProject::UnitsChanged() {
    if (Node) Node->UnitsChanged();
}

bool TProject::SourceShown() const {
    if (!SourcePage) return false;
    std::vector<PageRef> pages = host_.Pages();
    return std::find(pages.begin(), pages.end(), SourcePage) != pages.end();
}

std::string TProject::SourceFile() const {
    std::string file = SourceShown() ? host_.PageFile(SourcePage) : std::string();
    return file.empty() ? ProjectFile : file;
}

bool TProject::IsOwnSource(const std::string& path) const {
    if (path.empty() || EqualsNoCase(path, ProjectFile)) return true;
    return SourceShown() && EqualsNoCase(path, host_.PageFile(SourcePage));
}

void TProject::LoadUnits(const std::string& path) {
    ProjectFile = path;
    if (!FileExists(path)) {
        UnitFiles.Clear();
        UnitsChanged();
        return;
    }
    std::string bytes;
    if (ReadWholeFile(path, bytes) != FileReadStatus::Ok)
        throw CommandError("Cannot open file \"" + path + "\". Access denied.");
    for (const std::string& line : SplitLines(DecodeSourceFile(std::move(bytes)).text)) {
        std::optional<std::string> unit = UnitPathOfLine(line);
        if (!unit) continue;
        std::string unitPath = ResolveUnitPath(path, *unit);
        if (IsOwnSource(unitPath) || IndexOfUnit(unitPath) >= 0) continue;
        UnitFiles.Add(unitPath, host_.OpenPage(unitPath));
    }
    UnitsChanged();
}

void TProject::BuildText() {
    Lines.Clear();
    if (SourceShown()) {
        LineDocument& source = host_.PageLines(SourcePage);
        for (int i = 0, count = source.LineCount(); i < count; ++i) Lines.Add(source.Line(i));
    } else {
        Lines.Assign(ProjectFileLines(ProjectName, UnitFiles.Texts()));
    }
}

void TProject::WriteText() {
    if (SourceShown()) {
        host_.WritePage(SourcePage, ProjectFile);
    } else if (!WriteFileReplacing(ProjectFile, Lines.Text())) {
        throw CommandError("Cannot create file \"" + ProjectFile + "\". The file was not changed.");
    }
}

void TProject::SaveProject() {
    if (ProjectFile.empty() || !FileExists(ProjectFile)) return;
    BuildText();
    WriteText();
    SetSaved(true);
}

bool TProject::SaveProjectAs() {
    FileBoxRequest request;
    request.filter = kProjectSaveFilter;
    request.confirmOverwrite = true;
    request.fileName = ProjectFile.empty() ? ProjectName : ProjectFile;
    FileBoxResult result = UserPrompts().SaveFile(request);
    if (!result.accepted || result.files.empty()) return false;
    std::string previous = ProjectFile;
    ProjectFile = ProjectSaveTarget(result.files.front(), result.filterIndex);
    try {
        BuildText();
        WriteText();
    } catch (...) {
        ProjectFile = previous;
        throw;
    }
    SetSaved(true);
    host_.AddRecentFile(ProjectFile);
    return true;
}

bool TProject::AskToSave() {
    if (Saved) return true;
    Answer answer = UserPrompts().ConfirmYesNoCancel(ProjectCloseQuestion(ProjectName));
    if (answer == Answer::Cancel) throw CommandAborted{};
    if (answer != Answer::Yes) return true;
    if (!ProjectFile.empty() && FileExists(ProjectFile)) {
        SaveProject();
        return true;
    }
    return SaveProjectAs();
}

void TProject::CloseUnitPages() {
    for (int i = static_cast<int>(UnitFiles.Count()) - 1; i >= 0; --i) {
        for (PageRef page : host_.Pages()) {
            if (!EqualsNoCase(host_.PageFile(page), UnitFiles[static_cast<size_t>(i)])) continue;
            if (host_.PageSaved(page)) host_.DestroyPage(page);
            break;
        }
    }
}

bool TProject::AddUnit(const std::string& path, PageRef page) {
    if (IsOwnSource(path) || IndexOfUnit(path) >= 0) return false;
    UnitFiles.Add(path, page);
    if (SourceShown()) {
        LineDocument& source = host_.PageLines(SourcePage);
        if (FindUnitLine(source, path, SourceFile()) < 0)
            source.InsertLine(UnitLinePosition(source), IncludeOnceLine(path));
    }
    SetSaved(false);
    UnitsChanged();
    return true;
}

void TProject::RemoveUnit(int index) {
    if (index < 0 || index >= static_cast<int>(UnitFiles.Count())) return;
    std::string path = UnitFiles[static_cast<size_t>(index)];
    UnitFiles.Delete(static_cast<size_t>(index));
    if (SourceShown()) {
        LineDocument& source = host_.PageLines(SourcePage);
        int line = FindUnitLine(source, path, SourceFile());
        if (line >= 0) source.DeleteLine(line);
    }
    SetSaved(false);
    UnitsChanged();
}

bool TProject::MoveUnit(int index, int step) {
    int other = index + step;
    int count = static_cast<int>(UnitFiles.Count());
    if (index < 0 || index >= count || other < 0 || other >= count || step == 0) return false;
    size_t a = static_cast<size_t>(index), b = static_cast<size_t>(other);
    std::string pathA = UnitFiles[a], pathB = UnitFiles[b];
    void* pageA = UnitFiles.Object(a);
    UnitFiles.SetText(a, pathB);
    UnitFiles.SetObject(a, UnitFiles.Object(b));
    UnitFiles.SetText(b, pathA);
    UnitFiles.SetObject(b, pageA);
    if (SourceShown()) {
        LineDocument& source = host_.PageLines(SourcePage);
        int lineA = FindUnitLine(source, pathA, SourceFile());
        int lineB = FindUnitLine(source, pathB, SourceFile());
        if (lineA >= 0 && lineB >= 0) {
            std::string textA = source.Line(lineA);
            source.SetLine(lineA, source.Line(lineB));
            source.SetLine(lineB, textA);
        }
    }
    SetSaved(false);
    UnitsChanged();
    return true;
}

std::optional<std::string> TProject::PrepareCompile(PageRef currentPage) {
    if (!SourceShown()) {
        if (!ProjectFile.empty() && FileExists(ProjectFile)) return ProjectFile;
        return std::nullopt;
    }
    if (currentPage) AddUnit(host_.PageFile(currentPage), currentPage);
    LineDocument& source = host_.PageLines(SourcePage);
    if (!HasRunStatement(source)) source.InsertLine(source.LineCount(), kRunStatement);
    if (!host_.SavePage(SourcePage)) throw CommandAborted{};
    return host_.PageFile(SourcePage);
}

void TProject::PageDestroyed(PageRef page) {
    if (!page) return;
    if (SourcePage == page) SourcePage = nullptr;
    for (size_t i = 0; i < UnitFiles.Count(); ++i)
        if (UnitFiles.Object(i) == page) UnitFiles.SetObject(i, nullptr);
}

}  // namespace tavrin
