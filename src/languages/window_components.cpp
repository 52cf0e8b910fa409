#include "languages/window_components.h"

#include <commctrl.h>

#include <map>
#include <set>
#include <vector>

#include "common/text.h"
#include "languages/control_items.h"
#include "languages/menu_components.h"
#include "ui/component_names.h"
#include "ui/form_window.h"

namespace tavrin {

namespace {

constexpr const char* kBaseTextProperty = "TavrinBaseText";

enum class TextProperty { None, Caption, Text };

struct ControlKind {
    std::string kindName;  // the start of the names of unnamed controls
    TextProperty text = TextProperty::None;
    ComponentRole role = ComponentRole::Control;
};

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

ControlKind KindOf(HWND control) {
    const std::string className = ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (EqualsNoCase(className, "Button")) {
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX: return {"GroupBox", TextProperty::Caption};
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
            return {"CheckBox", TextProperty::Caption};
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return {"RadioButton", TextProperty::Caption};
        default: return {"Button", TextProperty::Caption};
        }
    }
    if (EqualsNoCase(className, "Static")) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_SIMPLE: case SS_LEFTNOWORDWRAP:
            return {"Label", TextProperty::Caption};
        default: return {"Image", TextProperty::None};
        }
    }
    if (EqualsNoCase(className, "Edit")) return {"Edit", TextProperty::Text};
    if (EqualsNoCase(className, "ComboBox")) return {"ComboBox", TextProperty::Text};
    if (EqualsNoCase(className, TOOLBARCLASSNAMEA)) return {"ToolBar", TextProperty::None, ComponentRole::ToolBar};
    std::string kindName;
    for (char c : className)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) kindName += c;
    return {kindName.empty() ? std::string("Control") : kindName, TextProperty::None};
}

// The live windows of packs belong to the packs: their children are no
// components of the workbench's windows.
bool IsPackWindow(HWND window) { return GetPropA(window, "THIS") || GetPropA(window, "Container"); }

void CollectControls(HWND parent, std::vector<HWND>& controls) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
        if (!IsPackWindow(child)) CollectControls(child, controls);
    }
}

std::string BaseText(HWND window) {
    auto* base = static_cast<const std::string*>(GetPropA(window, kBaseTextProperty));
    return base ? *base : WindowText(window);
}

void KeepBaseText(HWND window) {
    if (!GetPropA(window, kBaseTextProperty))
        SetPropA(window, kBaseTextProperty, const_cast<std::string*>(InternedText(WindowText(window))));
}

DesignProperty TextOf(HWND window, const char* name, std::function<void(const std::string&)> apply) {
    return {name, DesignKind::Text, {}, [window] { return WindowText(window); },
            [window, apply](const std::string& text) {
                KeepBaseText(window);
                apply(text);
            }};
}

RECT PlaceOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void AddGeometry(HWND control, DesignProperties& properties) {
    struct Field {
        const char* name;
        int (*get)(const RECT&);
        void (*set)(RECT&, int);
    };
    static const Field fields[] = {
        {"left", [](const RECT& r) { return static_cast<int>(r.left); },
         [](RECT& r, int v) { r.right += v - r.left; r.left = v; }},
        {"top", [](const RECT& r) { return static_cast<int>(r.top); },
         [](RECT& r, int v) { r.bottom += v - r.top; r.top = v; }},
        {"width", [](const RECT& r) { return static_cast<int>(r.right - r.left); },
         [](RECT& r, int v) { r.right = r.left + v; }},
        {"height", [](const RECT& r) { return static_cast<int>(r.bottom - r.top); },
         [](RECT& r, int v) { r.bottom = r.top + v; }},
    };
    for (const Field& field : fields) {
        properties.Add({field.name, DesignKind::Integer, {},
                        [control, get = field.get] { return std::to_string(get(PlaceOf(control))); },
                        [control, set = field.set](const std::string& value) {
                            RECT r = PlaceOf(control);
                            set(r, std::stoi(value));
                            MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
                        }});
    }
}

// The text of a tool bar's button (by position) and its change; the first
// change keeps the text it replaced, as a property of the tool bar.
std::string ButtonText(HWND bar, int index) {
    char text[256] = {};
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = text;
    info.cchText = sizeof(text);
    return SendMessageA(bar, TB_GETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) >= 0
               ? std::string(text)
               : std::string();
}

std::string ButtonBaseProperty(int index) { return "TavrinBaseButton" + std::to_string(index); }

std::string ButtonBaseText(HWND bar, int index) {
    return ItemBaseText(bar, ButtonBaseProperty(index), ButtonText(bar, index));
}

void SetButtonText(HWND bar, int index, const std::string& text) {
    KeepItemBaseText(bar, ButtonBaseProperty(index), ButtonText(bar, index));
    std::string copy = text;
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = copy.data();
    SendMessageA(bar, TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);
}

// The buttons of a tool bar: separators, and buttons with a "caption" when
// they show a text (the base file leaves tool buttons' captions out) and a
// "hint" when they have a tool tip.
void PublishToolButtons(HWND bar, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        if (!SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) continue;
        PublishedComponent component;
        bool separator = (button.fsStyle & BTNS_SEP) != 0;
        component.name = naming.Next(separator ? "ToolSeparator" : "ToolButton");
        component.role = separator ? ComponentRole::ToolSeparator : ComponentRole::ToolButton;
        std::string base = separator ? std::string() : ButtonBaseText(bar, index);
        if (!base.empty()) {
            component.caption = base;
            component.properties.Add({"caption", DesignKind::Text, {}, [bar, index] { return ButtonText(bar, index); },
                                      [bar, index](const std::string& text) { SetButtonText(bar, index, text); }});
        }
        if (!separator) AddToolButtonHint(bar, button.idCommand, component);
        components.push_back(std::move(component));
    }
}

PublishedComponent PublishControl(HWND control, const std::string& name, const ControlKind& kind) {
    PublishedComponent component;
    component.name = name;
    component.role = kind.role;
    if (kind.text != TextProperty::None) {
        const char* property = kind.text == TextProperty::Caption ? "caption" : "text";
        (kind.text == TextProperty::Caption ? component.caption : component.text) = BaseText(control);
        component.properties.Add(
            TextOf(control, property, [control](const std::string& text) { SetWindowTextA(control, text.c_str()); }));
    }
    AddGeometry(control, component.properties);
    return component;
}

}  // namespace

PublishedWindow PublishWindow(FormWindow& window) {
    PublishedWindow published;
    published.name = window.Name();
    HWND handle = window.Handle();
    if (!handle) return published;
    published.caption = BaseText(handle);
    published.properties.Add(
        TextOf(handle, "caption", [&window](const std::string& text) { window.SetCaption(text); }));

    std::vector<HWND> controls;
    CollectControls(handle, controls);
    ComponentNaming naming;
    for (HWND control : controls)
        if (std::string name = ComponentName(control); !name.empty()) naming.taken.insert(ToLower(name));
    PublishMenuItems(GetMenu(handle), handle, true, naming.taken, published.components);
    for (HMENU popup : PopupMenusOf(handle)) PublishMenuItems(popup, handle, true, naming.taken, published.components);
    for (HWND control : controls) {
        ControlKind kind = KindOf(control);
        std::string name = ComponentName(control);
        if (name.empty()) name = naming.Next(kind.kindName);
        published.components.push_back(PublishControl(control, name, kind));
        if (kind.role == ComponentRole::ToolBar) PublishToolButtons(control, naming, published.components);
        PublishControlItems(control, naming, published.components);
    }
    return published;
}

PublishedWindow PublishPopupMenu(const std::string& windowName, HMENU menu) {
    PublishedWindow published;
    published.name = windowName;
    std::set<std::string> taken;
    PublishMenuItems(menu, nullptr, false, taken, published.components);
    return published;
}

}  // namespace tavrin
