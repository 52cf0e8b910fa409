#include "ui/component_names.h"

#include <algorithm>
#include <map>
#include <set>

namespace tavrin {

namespace {

constexpr const char* kNameProperty = "TavrinComponentName";

std::map<HWND, std::vector<HMENU>>& Popups() {
    static std::map<HWND, std::vector<HMENU>> popups;
    return popups;
}

}  // namespace

bool IsChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND box, bool checked) {
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

const std::string* InternedText(const std::string& text) {
    static std::set<std::string> texts;
    return &*texts.insert(text).first;
}

// A control keeps a pointer to its name as a window property, which the
// system drops with the window.
HWND NameComponent(HWND control, const std::string& name) {
    if (control) SetPropA(control, kNameProperty, const_cast<std::string*>(InternedText(name)));
    return control;
}

std::string ComponentName(HWND control) {
    auto* name = static_cast<const std::string*>(GetPropA(control, kNameProperty));
    return name ? *name : std::string();
}

void MarkItemsAsData(HWND control) {
    if (control) SetPropA(control, "TavrinItemsAreData", reinterpret_cast<HANDLE>(1));
}

bool ItemsAreData(HWND control) { return GetPropA(control, "TavrinItemsAreData") != nullptr; }

// The texts, one a line, as a window property.
namespace {

void DeclareTexts(HWND control, const char* property, const std::vector<std::string>& texts) {
    std::string lines;
    for (const std::string& text : texts) lines += text + "\n";
    if (control) SetPropA(control, property, const_cast<std::string*>(InternedText(lines)));
}

std::vector<std::string> DeclaredTexts(HWND control, const char* property) {
    auto* lines = static_cast<const std::string*>(GetPropA(control, property));
    std::vector<std::string> texts;
    if (!lines) return texts;
    for (std::size_t start = 0, end; (end = lines->find('\n', start)) != std::string::npos; start = end + 1)
        texts.push_back(lines->substr(start, end - start));
    return texts;
}

}  // namespace

void DeclareStatusTexts(HWND statusBar, const std::vector<std::string>& texts) {
    DeclareTexts(statusBar, "TavrinStatusTexts", texts);
}

std::vector<std::string> DeclaredStatusTexts(HWND statusBar) { return DeclaredTexts(statusBar, "TavrinStatusTexts"); }

void DeclareRunTimeTexts(HWND control, const std::vector<std::string>& texts) {
    DeclareTexts(control, "TavrinRunTimeTexts", texts);
}

std::vector<std::string> DeclaredRunTimeTexts(HWND control) { return DeclaredTexts(control, "TavrinRunTimeTexts"); }

void RegisterPopupMenu(HWND owner, HMENU menu) {
    std::vector<HMENU>& menus = Popups()[owner];
    // A window handle the system gave out again drops the menus of the old window.
    menus.erase(std::remove_if(menus.begin(), menus.end(), [](HMENU m) { return !IsMenu(m); }), menus.end());
    menus.push_back(menu);
}

std::vector<HMENU> PopupMenusOf(HWND owner) {
    auto found = Popups().find(owner);
    if (found == Popups().end()) return {};
    std::vector<HMENU> menus;
    for (HMENU menu : found->second)
        if (IsMenu(menu)) menus.push_back(menu);
    return menus;
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace tavrin
