// A list of texts with a check box per entry (a list view in report mode with
// one column and no header), as the Packs and customize-palette windows use it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin {

class CheckListView {
public:
    void Create(HWND parent, int id);
    HWND Handle() const { return handle_; }

    // Replaces the entries; the notifications this causes are not reported as user changes.
    void SetEntries(const std::vector<std::string>& texts, const std::vector<bool>& checked);
    int Count() const;
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    int Selected() const;
    void Select(int index);
    void Resize(int x, int y, int width, int height);

    // For the parent's WM_NOTIFY: the entry whose check mark the user changed, or -1.
    int CheckChangedBy(const NMHDR* header) const;
    // For the parent's WM_NOTIFY: the entry the user selected, or -1.
    int SelectedBy(const NMHDR* header) const;

private:
    HWND handle_ = nullptr;
    bool filling_ = false;
};

}  // namespace tavrin
