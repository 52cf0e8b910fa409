#include "languages/control_items.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <cstring>
#include <cwchar>
#include <memory>

#include "common/text.h"
#include "ui/component_names.h"
#include "ui/window_subclass.h"

namespace tavrin {

namespace {

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// Texts between the workbench's 8-bit strings and the wide strings of
// controls of Unicode classes (the system's code page).
std::string Narrow(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(std::strlen(narrow.c_str()));
    return narrow;
}

std::wstring Widen(const std::string& text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    wide.resize(std::wcslen(wide.c_str()));
    return wide;
}

// One helper object per control, made when first needed, found through a
// window property of the control and owned here; those of destroyed
// controls go when the next one is made.
template <class Helper>
Helper& HelperOf(HWND control, const char* property) {
    static std::vector<std::unique_ptr<Helper>> owned;
    if (auto* existing = static_cast<Helper*>(GetPropA(control, property))) return *existing;
    owned.erase(std::remove_if(owned.begin(), owned.end(),
                               [property](const std::unique_ptr<Helper>& helper) {
                                   return !IsWindow(helper->Control()) ||
                                          GetPropA(helper->Control(), property) != helper.get();
                               }),
                owned.end());
    owned.push_back(std::make_unique<Helper>(control));
    SetPropA(control, property, owned.back().get());
    return *owned.back();
}

// A status bar's translations of its declared texts, put in place of a text
// whenever the window's code shows it (a text may start with tabs, which
// place it in its panel).
class StatusTranslation {
public:
    explicit StatusTranslation(HWND bar) : bar_(bar) {
        int panels = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
        for (int panel = 0; panel < std::max(panels, 1); ++panel) {
            LRESULT length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, panel, 0));
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            SendMessageA(bar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
            shown_[panel] = {static_cast<WPARAM>(panel), text};
        }
        subclass_.Attach(bar, [this](UINT message, WPARAM wp, LPARAM lp) { return Handle(message, wp, lp); });
    }
    HWND Control() const { return bar_; }

    std::string Translation(const std::string& text) const {
        auto found = translations_.find(text);
        return found != translations_.end() ? found->second : text;
    }
    void SetTranslation(const std::string& text, const std::string& translation) {
        translations_[text] = translation;
        for (const auto& [panel, set] : shown_) SendMessageA(bar_, SB_SETTEXTA, set.first, LPARAM(set.second.c_str()));
    }

private:
    std::string Translated(const std::string& text) const {
        std::size_t tabs = text.find_first_not_of('\t');
        if (tabs == std::string::npos) return text;
        return text.substr(0, tabs) + Translation(text.substr(tabs));
    }
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp) {
        if (message != SB_SETTEXTA || (wp & SBT_OWNERDRAW)) return subclass_.CallNext(message, wp, lp);
        std::string text = lp ? reinterpret_cast<const char*>(lp) : "";
        // Copied first: the re-showing passes a text of this list.
        shown_[LOBYTE(LOWORD(wp))] = {wp, text};
        std::string translated = Translated(text);
        return subclass_.CallNext(message, wp, reinterpret_cast<LPARAM>(translated.c_str()));
    }

    HWND bar_;
    WindowSubclass subclass_;
    std::map<std::string, std::string> translations_;
    std::map<int, std::pair<WPARAM, std::string>> shown_;  // panel: what the code showed last
};

// A control's translations of the texts its window's code gives it at run
// time (a button's caption that follows a state): a declared text set later
// is shown translated; a new translation reaches the text shown now.
class RunTimeTranslation {
public:
    explicit RunTimeTranslation(HWND control) : control_(control), shown_(WindowText(control)) {
        subclass_.Attach(control, [this](UINT message, WPARAM wp, LPARAM lp) { return Handle(message, wp, lp); });
    }
    HWND Control() const { return control_; }

    std::string Translation(const std::string& text) const {
        auto found = translations_.find(text);
        return found != translations_.end() ? found->second : text;
    }
    void SetTranslation(const std::string& text, const std::string& translation) {
        translations_[text] = translation;
        if (shown_ == text) SetWindowTextA(control_, text.c_str());
    }

private:
    // A control of a Unicode class gets the text of WM_SETTEXT as a wide string,
    // also when the code set it with SetWindowTextA.
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp) {
        if (message != WM_SETTEXT || !lp) return subclass_.CallNext(message, wp, lp);
        const bool wide = IsWindowUnicode(control_);
        std::string text = wide ? Narrow(reinterpret_cast<const wchar_t*>(lp)) : reinterpret_cast<const char*>(lp);
        shown_ = text;
        auto found = translations_.find(text);
        if (found == translations_.end()) return subclass_.CallNext(message, wp, lp);
        std::string translated = found->second;  // copied: the call may change the map
        if (!wide) return subclass_.CallNext(message, wp, reinterpret_cast<LPARAM>(translated.c_str()));
        std::wstring widened = Widen(translated);
        return subclass_.CallNext(message, wp, reinterpret_cast<LPARAM>(widened.c_str()));
    }

    HWND control_;
    WindowSubclass subclass_;
    std::map<std::string, std::string> translations_;
    std::string shown_;  // what the code set last, untranslated
};

// A tool bar's changed hints, by command: its window's answer to the tool
// tip's question is replaced by them (the window is subclassed, as tool tips
// ask the window, directly or through the tool bar).
class ToolHints {
public:
    explicit ToolHints(HWND bar) : bar_(bar) {
        subclass_.Attach(GetParent(bar), [this](UINT message, WPARAM wp, LPARAM lp) { return Handle(message, wp, lp); });
    }
    HWND Control() const { return bar_; }
    void SetHint(int command, const std::string& hint) { hints_[command] = hint; }
    const std::string* Hint(int command) const {
        auto found = hints_.find(command);
        return found != hints_.end() ? &found->second : nullptr;
    }

private:
    LRESULT Handle(UINT message, WPARAM wp, LPARAM lp) {
        LRESULT result = subclass_.CallNext(message, wp, lp);
        if (message != WM_NOTIFY) return result;
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) return result;
        HWND tips = reinterpret_cast<HWND>(SendMessageA(bar_, TB_GETTOOLTIPS, 0, 0));
        if (header->hwndFrom != bar_ && (!tips || header->hwndFrom != tips)) return result;
        const std::string* hint = Hint(static_cast<int>(header->idFrom));
        if (!hint) return result;
        if (header->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lp);
            info->hinst = nullptr;
            info->lpszText = const_cast<char*>(hint->c_str());
        } else {
            std::wstring& wide = wide_[static_cast<int>(header->idFrom)];
            wide = Widen(*hint);
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
            info->hinst = nullptr;
            info->lpszText = wide.data();
        }
        return result;
    }

    HWND bar_;
    WindowSubclass subclass_;
    std::map<int, std::string> hints_;
    std::map<int, std::wstring> wide_;
};

// The hint the tool bar's window gives for the command, asked as a tool tip
// asks (from no window, so that a changed hint does not answer).
std::string AskedHint(HWND bar, int command) {
    NMTTDISPINFOA info{};
    info.hdr.idFrom = static_cast<UINT_PTR>(command);
    info.hdr.code = TTN_GETDISPINFOA;
    info.lpszText = info.szText;
    SendMessageA(GetParent(bar), WM_NOTIFY, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&info));
    if (!info.lpszText || info.lpszText == LPSTR_TEXTCALLBACKA) return {};
    if (IS_INTRESOURCE(info.lpszText)) {
        char text[256] = {};
        LoadStringA(info.hinst, LOWORD(reinterpret_cast<UINT_PTR>(info.lpszText)), text, sizeof(text));
        return text;
    }
    return info.lpszText;
}

// An item with a "caption" read and set through the control.
void AddItem(std::vector<PublishedComponent>& components, std::string name, HWND control, std::string key,
             std::function<std::string()> read, std::function<void(const std::string&)> write) {
    PublishedComponent item;
    item.name = std::move(name);
    item.caption = ItemBaseText(control, key, read());
    item.properties.Add({"caption", DesignKind::Text, {}, read, [control, key, read, write](const std::string& text) {
                             KeepItemBaseText(control, key, read());
                             write(text);
                         }});
    components.push_back(std::move(item));
}

void PublishTabs(HWND tabs, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        auto read = [tabs, index] {
            char text[256] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
            return std::string(text);
        };
        auto write = [tabs, index](const std::string& text) {
            std::string copy = text;
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = copy.data();
            SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        };
        AddItem(components, naming.Next("TabSheet"), tabs, "TavrinBaseTab" + std::to_string(index), read, write);
    }
}

void PublishColumns(HWND list, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    LONG style = GetWindowLongA(list, GWL_STYLE);
    if ((style & LVS_TYPEMASK) != LVS_REPORT || (style & LVS_NOCOLUMNHEADER)) return;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int count = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int index = 0; index < count; ++index) {
        auto read = [list, index] {
            char text[256] = {};
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT;
            column.pszText = text;
            column.cchTextMax = sizeof(text);
            SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
            return std::string(text);
        };
        auto write = [list, index](const std::string& text) {
            std::string copy = text;
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT;
            column.pszText = copy.data();
            SendMessageA(list, LVM_SETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
        };
        AddItem(components, naming.Next("ListColumn"), list, "TavrinBaseColumn" + std::to_string(index), read, write);
    }
}

// The fixed texts a control's code shows at times, each a component whose
// caption is its translation (kept by the control's Translation helper).
template <class Translation>
void PublishDeclaredTexts(HWND control, const std::vector<std::string>& texts, const std::string& kindName,
                          const char* helperKey, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    for (const std::string& text : texts) {
        PublishedComponent item;
        item.name = naming.Next(kindName);
        item.caption = text;
        item.properties.Add({"caption", DesignKind::Text, {},
                             [control, text, helperKey] {
                                 return HelperOf<Translation>(control, helperKey).Translation(text);
                             },
                             [control, text, helperKey](const std::string& translation) {
                                 HelperOf<Translation>(control, helperKey).SetTranslation(text, translation);
                             }});
        components.push_back(std::move(item));
    }
}

void PublishStatusTexts(HWND bar, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    PublishDeclaredTexts<StatusTranslation>(bar, DeclaredStatusTexts(bar), "StatusText", "TavrinStatusTranslation",
                                            naming, components);
}

void PublishRunTimeTexts(HWND control, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    PublishDeclaredTexts<RunTimeTranslation>(control, DeclaredRunTimeTexts(control), "RunTimeText",
                                             "TavrinRunTimeTranslation", naming, components);
}

}  // namespace

std::string ComponentNaming::Next(const std::string& kindName) {
    bool endsWithDigit = kindName.back() >= '0' && kindName.back() <= '9';
    std::string name;
    do {
        name = kindName + (endsWithDigit ? "_" : "") + std::to_string(++counts[kindName]);
    } while (taken.count(ToLower(name)));
    taken.insert(ToLower(name));
    return name;
}

std::string ItemBaseText(HWND control, const std::string& key, const std::string& current) {
    auto* base = static_cast<const std::string*>(GetPropA(control, key.c_str()));
    return base ? *base : current;
}

void KeepItemBaseText(HWND control, const std::string& key, const std::string& current) {
    if (!GetPropA(control, key.c_str()))
        SetPropA(control, key.c_str(), const_cast<std::string*>(InternedText(current)));
}

void PublishControlItems(HWND control, ComponentNaming& naming, std::vector<PublishedComponent>& components) {
    const std::string className = ClassOf(control);
    if (EqualsNoCase(className, WC_TABCONTROLA)) {
        if (!ItemsAreData(control)) PublishTabs(control, naming, components);
    } else if (EqualsNoCase(className, WC_LISTVIEWA)) {
        PublishColumns(control, naming, components);
    } else if (EqualsNoCase(className, STATUSCLASSNAMEA)) {
        PublishStatusTexts(control, naming, components);
    }
    PublishRunTimeTexts(control, naming, components);
}

void AddToolButtonHint(HWND bar, int command, PublishedComponent& button) {
    if (!(GetWindowLongA(bar, GWL_STYLE) & TBSTYLE_TOOLTIPS)) return;
    const std::string key = "TavrinBaseHint" + std::to_string(command);
    std::string base = ItemBaseText(bar, key, AskedHint(bar, command));
    if (base.empty()) return;
    KeepItemBaseText(bar, key, base);
    button.hint = base;
    button.properties.Add({"hint", DesignKind::Text, {},
                           [bar, command, base] {
                               const std::string* hint = HelperOf<ToolHints>(bar, "TavrinToolHints").Hint(command);
                               return hint ? *hint : base;
                           },
                           [bar, command](const std::string& hint) {
                               HelperOf<ToolHints>(bar, "TavrinToolHints").SetHint(command, hint);
                           }});
}

}  // namespace tavrin
