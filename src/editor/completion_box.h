// The completion box ("Completion Proposal"): a small captioned pop-up with a
// three-column list (name, kind, type) in Lucida Console 9 points. It never
// takes the focus: the editor keeps typing and forwards the keys that move in
// the list or complete. The list shows the entries that begin with the text
// typed since the box opened (any letter case).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/bound_window.h"

namespace tavrin {

class CompletionBox : public BoundWindow {
public:
    static constexpr const char* kTitle = "Completion Proposal";

    CompletionBox() = default;
    ~CompletionBox() override;

    // rows: entries with up to three columns separated by tabs; insert: the
    // text each entry inserts (same order). screen is the bottom left corner
    // of the text the list completes, on a line lineHeight pixels high: the
    // box opens there, or above the line when the monitor has no room below,
    // and stays inside the monitor's work area.
    void Show(HWND owner, POINT screen, const std::vector<std::string>& rows,
              const std::vector<std::string>& insert, int lineHeight = 0);
    void Hide();
    bool Visible() const;

    // Limits the list to the entries whose insert text begins with typed.
    void Filter(const std::string& typed);
    int VisibleCount() const { return static_cast<int>(shown_.size()); }
    // Moves the selection by delta rows (clamped).
    void MoveSelection(int delta);
    // The insert text of the selected entry ("" when none).
    std::string SelectedInsert() const;
    std::string WindowTitle() const;
    // Whether a window is the box or one of its parts.
    bool Owns(HWND window) const;
    // A double click on an entry.
    std::function<void()> OnChoose;
    int ColumnCount() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void Create(HWND owner);
    void Fill();

    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<std::string> rows_, insert_;
    std::vector<size_t> shown_;  // indexes of the entries in the list
    int selected_ = 0;
};

}  // namespace tavrin
