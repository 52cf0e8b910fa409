// The File commands of the workbench on code pages: new pages, opening files
// by kind, Save, Save As, Save All, Close, Close All, Export and the MRU list,
// plus the wiring of these commands into the main and code windows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/text_codec.h"

namespace tavrin {

class TCodePage;
class TDialog;
class TreeViewExplorer;

// Creates a page for path (empty: a new unnamed page). With dialog set and no
// file at path, the dialog steps run through DialogHooks().createDialog.
// preloaded: the file's text when the caller has read it already.
TCodePage* NewPage(bool dialog, const std::string& path, DecodedText* preloaded = nullptr);
void OpenFiles();
// Opens the files in order (the Open box's choice, files dropped on the
// workbench); a file that cannot be opened ends the command with its message,
// the ones before it stay open.
void OpenFileList(const std::vector<std::string>& files);
void OpenFile(const std::string& path);
void SaveCommand();
void SaveAsCommand();
void SaveAllCommand();
void CloseCommand();
void CloseAllCommand();
enum class ExportFormat { Rtf, Html };
// Writes the active page's text as a document of that format, under a name
// asked for in a save box.
void ExportCommand(ExportFormat format);

// Steps that belong to the designer and the project window; unset until
// those subsystems wire them.
struct CodePageHooks {
    // New Dialog: create the dialog for the new page, generate its code and
    // return it (becomes the page's LinkedObject and CurrentDialog).
    std::function<TDialog*(TCodePage&)> createDialog;
    // Dialogs declared in an opened plain file become design forms.
    std::function<void(TCodePage&)> parseDialogs;
    // A project file was opened: create the project for the page.
    std::function<void*(TCodePage&, const std::string& path)> openProject;
    // Save / Save As / Close of a dialog or project document.
    std::function<void()> saveOther, saveAsOther, closeOther;
    // The units window lists the pages.
    std::function<void()> refreshUnits;
};
CodePageHooks& PageHooks();

// The explorer over the code window's tree (exists after WireCodePages).
TreeViewExplorer* Explorer();

// Sets the main window's file hooks and the code window's explorer click.
void WireCodePages();

}  // namespace tavrin
