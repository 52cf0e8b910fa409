#include "workbench/mru_menu.h"

namespace tavrin {

void Win32MRUMenu::RemoveAllItems() {
    while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
}

void Win32MRUMenu::AddItem(const std::string& caption) {
    int index = GetMenuItemCount(menu_);
    AppendMenuA(menu_, MF_STRING, static_cast<UINT_PTR>(firstCommand_ + index), caption.c_str());
}

}  // namespace tavrin
