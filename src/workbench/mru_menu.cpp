#include "workbench/mru_menu.h"

#include "workbench/page_rules.h"

namespace tavrin {

void Win32MRUMenu::RemoveAllItems() {
    while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
    paths_.clear();
}

void Win32MRUMenu::AddItem(const std::string& path) {
    int command = firstCommand_ + static_cast<int>(paths_.size());
    paths_.push_back(path);
    AppendMenuA(menu_, MF_STRING, static_cast<UINT_PTR>(command), MenuCaptionOfPath(path).c_str());
}

std::optional<std::string> Win32MRUMenu::PathOf(int command) const {
    int index = command - firstCommand_;
    if (index < 0 || index >= static_cast<int>(paths_.size())) return std::nullopt;
    return paths_[static_cast<size_t>(index)];
}

}  // namespace tavrin
