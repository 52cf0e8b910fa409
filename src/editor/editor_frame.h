// TEditor: the frame that fills a code page: the Scintilla editor (Edit) with
// the FreeBASIC highlighter, the right-click menu, dot completion, the Enter
// rescan and the notices to the page and the status bar. The frame is a child
// window of its own so that the editor's notifications reach it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/completion_box.h"
#include "editor/editor_rules.h"
#include "editor/scintilla_line_document.h"
#include "editor/super_edit.h"
#include "ui/bound_window.h"
#include "ui/window_subclass.h"

namespace tavrin {

class TEditor : public BoundWindow {
public:
    // Right-click menu items.
    enum MenuItem {
        menuUndo = 100, menuRedo, menuPaste, menuCut, menuCopy, menuDelete, menuSelectAll,
        menuComments, menuON, menuOFF, menuProperties, menuAutoCreateForm
    };

    TEditor();
    ~TEditor() override;

    void Create(HWND parent);
    TELSuperEdit& Edit() { return edit_; }
    // The page's lines with their tags.
    ScintillaLineDocument& Lines() { return lines_; }

    // Loads a text without marking the page changed; undo starts empty.
    void LoadText(std::string_view text, bool unicode, std::string_view lineEnd);
    // Changes the read-only state; the status bar's second panel says "ReadOnly".
    void SetReadOnly(bool readOnly);
    // Editor font (from the workbench-wide editor options).
    void ApplyFont(const std::string& name, int size);

    // The right-click menu with its items enabled and checked as when it opens.
    HMENU BuildPopupMenu();
    void RunMenuCommand(int item);
    bool AutoCreateChecked() const { return autoCreateChecked_; }

    // Completion lists as the last "." or Ctrl+Space left them.
    const std::vector<std::string>& CompletionItems() const { return completion_.items; }
    const std::vector<std::string>& CompletionInsertList() const { return completion_.insert; }
    // Opens the completion box at the caret with the present lists.
    void ShowCompletion();
    CompletionBox& Completion() { return box_; }
    // The "." (or the ">" of "->") typed: fills the lists (when completion is
    // allowed) and opens the box.
    void DotTyped();
    // Enter pressed on the caret's line (before the line break).
    void EnterPressed();

    // Notices to the owner.
    std::function<void()> OnChanged;                              // any text change
    std::function<void(int panel, const std::string&)> OnStatus;  // status bar panel
    std::function<void()> OnRescan;                               // scan the whole text
    std::function<bool()> CompletionAllowed;                      // the AllowCompletion setting
    std::function<CompletionLookups()> Lookups;
    // The dialog code model's auto-create switch; null while the page has no dialog model.
    std::function<bool()> HasAutoCreate;
    std::function<void(bool)> SetAutoCreate;

    static constexpr const char* kCompletionTitle = "Completion Proposal";

protected:
    // The frame's messages.
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    // The editor control's messages (subclassed), before the control's own handling.
    LRESULT HandleEditMessage(UINT message, WPARAM wp, LPARAM lp);
    void HandleNotify(const NMHDR* header);
    void SetUpHighlighter();
    std::string SelectedText() const;
    void ReplaceSelection(const std::string& text);
    void ShowEditorOptions();
    void Status(int panel, const std::string& text);
    // Keys while the completion box is open; true when the key was used up.
    bool CompletionKeyDown(WPARAM key);
    bool CompletionChar(WPARAM ch, LPARAM lp, LRESULT& result);
    void CompleteFromBox();
    std::string TypedSinceAnchor() const;
    // Whether the ">" just typed ends a "->".
    bool ArrowTyped() const;

    TELSuperEdit edit_;
    WindowSubclass editSubclass_;
    ScintillaLineDocument lines_;
    CompletionLists completion_;
    CompletionBox box_;
    long long anchor_ = -1;          // where the completed word starts
    bool swallowNextChar_ = false;   // the character of a key that completed
    bool autoCreateChecked_ = false;
    bool loading_ = false;
    bool errorsMoved_ = false;
    int lastCaretLine_ = -1, lastCaretColumn_ = -1;
};

}  // namespace tavrin
