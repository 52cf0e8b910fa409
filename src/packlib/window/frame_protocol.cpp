// The property protocol of frames: names, info records, value texts and setters.
#include <cstdlib>
#include <type_traits>

#include "packlib/text/numbers.h"
#include "packlib/text/textutils.h"
#include "packlib/window/frame.h"

using velpack::kLowerName;
using velpack::kSpelledName;

namespace {

const char* const kFrameNames[] = {
    "Font",        "Text",         "Hint",        "ControlStyle", "Cursor",      "Color",
    "Align",       "Parent",       "ParentWnd",   "Style",        "Exstyle",     "Id",
    "Left",        "Top",          "Width",       "Height",       "Handle",      "Enabled",
    "Visible",     "ShowHint",     "Clipped",     "TabStop",      "Grouped",     "Control",
    "ControlCount", "ClientWidth", "ClientHeight", "ClientRect",  "Windowrect",  "onCreate",
    "onDestroy",   "onclick",      "onDblClick",  "onPaint",      "onMouseDown", "onMouseUp",
    "onMouseMove", "onMouseWheel", "onKeyDown",   "onKeyPress",   "onCommand",   "onMenu",
    "onAccel"};

// More children than the window system can hold are not made.
constexpr std::size_t kMaxChildren = 65536;

std::string Signed(std::int32_t value) { return velpack::SignedText(value); }

template <class T>
std::uint32_t AddressOf(T* pointer) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::string SignedAddress(const void* pointer) {
    return Signed(static_cast<std::int32_t>(AddressOf(pointer)));
}

std::string UnsignedAddress(const void* pointer) {
    return velpack::UnsignedText(AddressOf(pointer));
}

template <class T>
T* PointerFrom(const char* text) {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(velpack::ReadAddress(text)));
}

const char* BoolValue(bool on) { return on ? "-1" : "0"; }
const char* BoolInfo(bool on) { return on ? "true" : "false"; }

bool IsEventName(const std::string& lower) {
    return lower == "oncreate" || lower == "ondestroy" || lower == "onclick" ||
           lower == "ondblclick" || lower == "onpaint" || lower == "onmousedown" ||
           lower == "onmouseup" || lower == "onmousemove" || lower == "onmousewheel" ||
           lower == "onkeydown" || lower == "onkeypress" || lower == "oncommand" ||
           lower == "onmenu" || lower == "onaccel";
}

const velpack::InfoFields kNumberRow{pkInteger, kSpelledName, kLowerName, nullptr};
const velpack::InfoFields kFlagRow{pkBoolean, "boolean", "False,True", nullptr};

}  // namespace

// The stored handler of an event name as a pointer to its field; null for other names.
void** QFrame::HandlerField(const std::string& lower) {
    auto field = [this](auto& member) { return reinterpret_cast<void**>(&member); };
    if (lower == "oncreate") return field(onCreate);
    if (lower == "ondestroy") return field(onDestroy);
    if (lower == "onclick") return field(onClick);
    if (lower == "ondblclick") return field(onDblClick);
    if (lower == "onpaint") return field(onPaint);
    if (lower == "onmousedown") return field(onMouseDown);
    if (lower == "onmouseup") return field(onMouseUp);
    if (lower == "onmousemove") return field(onMouseMove);
    if (lower == "onmousewheel") return field(onMouseWheel);
    if (lower == "onkeydown") return field(onKeyDown);
    if (lower == "onkeyup") return field(onKeyUp);
    if (lower == "onkeypress") return field(onKeyPress);
    if (lower == "oncommand") return field(onCommand);
    if (lower == "onmenu") return field(onMenu);
    if (lower == "onaccel") return field(onAccel);
    return nullptr;
}

char* QFrame::GetPropList() {
    char* base = QObject::GetPropList();
    std::string list = velpack::AppendNames(base ? base : "", kFrameNames,
                                            sizeof kFrameNames / sizeof *kFrameNames);
    std::free(base);
    return velpack::NewText(list);
}

QPropInfo* QFrame::GetPropInfo(std::string& name) {
    if (name.empty()) return nullptr;
    velpack::CutIndex(name);
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(name);
    auto info = [&](const velpack::InfoFields& fields, const std::string& value) {
        return velpack::NewInfo(fields, name, true, value, true);
    };
    auto bare = [&](const velpack::InfoFields& fields) {
        return velpack::NewInfo(fields, name, false, "", true);
    };
    if (lower == "font")
        return info({pkObject, "QFont", "Font", "TELFontEditor"},
                    Font ? Font->GetFaceName() : std::string());
    if (lower == "text") return info({pkString, kSpelledName, "text", nullptr}, GetText());
    if (lower == "hint") return info({pkString, kSpelledName, "hint", nullptr}, Hint);
    if (lower == "controlstyle")
        return info({pkInteger, "QControlStyle", "csDefault,csAcceptChilds,csTransparent", nullptr},
                    Signed(ControlStyle));
    if (lower == "controlstate")
        return info({pkInteger, "QControlState", "csDefault,csReplicatable,csDesign", nullptr},
                    Signed(ControlState));
    if (lower == "cursor")
        return info({pkInteger, "QCursor",
                     "crNone,crArrow,crSize,crSizeNE,crSizeSE,crSizeNV,crSizeSV,crWait,crHand,"
                     "crCross",
                     nullptr},
                    UnsignedAddress(Cursor));
    if (lower == "color")
        return info({pkInteger, "colorref", "clWindow,clBtnFace,clWindowText", "TELColorEditor"},
                    velpack::UnsignedText(Color));
    if (lower == "align")
        return info({pkEnumeration, "QAlign", "alNone,alLeft,alRight,alTop,alBottom,alClient",
                     nullptr},
                    Signed(Align));
    if (lower == "parent") {
        std::string parentClass;
        if (Parent) parentClass = Parent->ClassName.empty() ? "QFrame" : Parent->ClassName;
        QPropInfo* record = info({pkObject, "QFrame", nullptr, nullptr}, UnsignedAddress(Parent));
        if (record) record->Items = velpack::NewText(parentClass);
        return record;
    }
    if (lower == "parentwnd")
        return info({pkInteger, kSpelledName, "parentwnd", nullptr},
                    UnsignedAddress(GetParentWnd()));
    if (lower == "style") return info(kNumberRow, Signed(GetStyle()));
    if (lower == "exstyle") return info(kNumberRow, Signed(GetExStyle()));
    if (lower == "id") return info(kNumberRow, Signed(Id));
    if (lower == "left") return info(kNumberRow, Signed(GetLeft()));
    if (lower == "top") return info(kNumberRow, Signed(GetTop()));
    if (lower == "width") return info(kNumberRow, Signed(GetWidth()));
    if (lower == "height") return info(kNumberRow, Signed(GetHeight()));
    if (lower == "handle")
        return info({pkInteger, kSpelledName, "handle", nullptr}, UnsignedAddress(Handle));
    if (lower == "enabled") return info(kFlagRow, BoolInfo(GetEnabled()));
    if (lower == "visible") return info(kFlagRow, BoolInfo(GetVisible()));
    if (lower == "showhint") return info(kFlagRow, BoolInfo(ShowHint));
    if (lower == "clipped") return info(kFlagRow, BoolInfo(Clipped));
    if (lower == "tabstop") return info(kFlagRow, BoolInfo(TabStop));
    if (lower == "grouped") return info(kFlagRow, BoolInfo(Grouped));
    if (lower == "control") {
        std::string own = ClassName.empty() ? "QFrame" : ClassName;
        QPropInfo* record = bare({pkNone, nullptr, nullptr, nullptr});
        if (record) record->TypeName = velpack::NewText(own);
        return record;
    }
    if (lower == "controlcount")
        return info({pkInteger, "integer", kSpelledName, nullptr}, Signed(ControlCount));
    if (lower == "clientwidth")
        return info({pkInteger, "integer", kSpelledName, nullptr}, Signed(GetClientWidth()));
    if (lower == "clientheight")
        return info({pkInteger, "integer", kSpelledName, nullptr}, Signed(GetClientHeight()));
    if (lower == "clientrect")
        return info({pkObject, "rect", kSpelledName, nullptr}, Signed(GetClientRect().left));
    if (lower == "windowrect")
        return info({pkObject, "rect", kSpelledName, nullptr}, Signed(GetWindowRect().left));
    if (IsEventName(lower) || lower == "onkeyup") {
        // The value comes through the dispatch table, so a derived class's answer counts.
        std::string copy = name;
        char* value = GetPropValue(copy);
        std::string eventClass = lower == "onkeyup" ? "QKeyEvent" : velpack::EventClassOf(lower);
        QPropInfo* record = bare({pkEvent, nullptr, kSpelledName, nullptr});
        if (record) {
            record->TypeName = velpack::NewText(eventClass);
            record->Value = value;
        } else {
            std::free(value);
        }
        return record;
    }
    if (lower == "dummy") return bare({pkNone, nullptr, nullptr, nullptr});
    return QObject::GetPropInfo(name);
}

char* QFrame::GetPropValue(std::string& name) {
    if (name.empty()) return nullptr;
    std::string index = velpack::CutIndex(name);
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(name);
    auto text = [](const std::string& value) { return velpack::NewText(value); };
    if (lower == "font") return text(SignedAddress(Font));
    if (lower == "text") return text(GetText());
    if (lower == "hint") return text(Hint);
    if (lower == "controlstyle") return text(Signed(ControlStyle));
    if (lower == "controlstate") return text(Signed(ControlState));
    if (lower == "cursor") return text(SignedAddress(Cursor));
    if (lower == "color") return text(Signed(static_cast<std::int32_t>(Color)));
    if (lower == "align") return text(Signed(Align));
    if (lower == "parent") return text(SignedAddress(Parent));
    if (lower == "parentwnd") return text(SignedAddress(GetParentWnd()));
    if (lower == "style") return text(Signed(GetStyle()));
    if (lower == "exstyle") return text(Signed(GetExStyle()));
    if (lower == "id") return text(Signed(Id));
    if (lower == "left") return text(Signed(GetLeft()));
    if (lower == "top") return text(Signed(GetTop()));
    if (lower == "width") return text(Signed(GetWidth()));
    if (lower == "height") return text(Signed(GetHeight()));
    if (lower == "handle") return text(UnsignedAddress(Handle));
    if (lower == "enabled") return text(BoolValue(GetEnabled()));
    if (lower == "visible") return text(BoolValue(GetVisible()));
    if (lower == "showhint") return text(BoolValue(ShowHint));
    if (lower == "clipped") return text(BoolValue(Clipped));
    if (lower == "tabstop") return text(BoolValue(TabStop));
    if (lower == "grouped") return text(BoolValue(Grouped));
    if (lower == "control") {
        int i = velpack::ReadInteger(index.c_str());
        if (i < 0 || i >= static_cast<int>(Controls.size())) return nullptr;
        return text(SignedAddress(Controls[static_cast<std::size_t>(i)]));
    }
    if (lower == "controlcount") return text(Signed(ControlCount));
    if (lower == "clientwidth") return text(Signed(GetClientWidth()));
    if (lower == "clientheight") return text(Signed(GetClientHeight()));
    if (lower == "clientrect") return text(UnsignedAddress(&GetClientRect()));
    if (lower == "windowrect") return text(UnsignedAddress(&GetWindowRect()));
    if (lower == "onkeyup" || lower == "dummy") return nullptr;
    if (void** handler = HandlerField(lower)) return text(SignedAddress(*handler));
    return QObject::GetPropValue(name);
}

bool QFrame::SetPropValue(std::string& name, const char* value) {
    if (name.empty()) return false;
    std::string index = velpack::CutIndex(name);
    if (name.empty()) return false;
    std::string lower = velpack::LowerCase(name);
    const char* v = value ? value : "";
    int number = velpack::ReadInteger(v);
    if (lower == "font") {
        QFont* font = PointerFrom<QFont>(v);
        if (!font) return false;
        SetFont(font);
    } else if (lower == "text") {
        SetText(v);
    } else if (lower == "hint") {
        Hint = v;
    } else if (lower == "controlstyle") {
        ControlStyle = number;
    } else if (lower == "controlstate") {
        ControlState = number;
    } else if (lower == "cursor") {
        if (!Cursor) return false;
        Cursor->Handle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(number));
    } else if (lower == "color") {
        SetColor(static_cast<COLORREF>(number));
    } else if (lower == "align") {
        SetAlign(number);
    } else if (lower == "parent") {
        SetParent(PointerFrom<QFrame>(v));
    } else if (lower == "parentwnd") {
        SetParentWnd(PointerFrom<HWND__>(v));
    } else if (lower == "style") {
        SetStyle(number);
    } else if (lower == "exstyle") {
        SetExStyle(number);
    } else if (lower == "id") {
        Id = number;
    } else if (lower == "left") {
        SetLeft(number);
    } else if (lower == "top") {
        SetTop(number);
    } else if (lower == "width") {
        SetWidth(number);
    } else if (lower == "height") {
        SetHeight(number);
    } else if (lower == "enabled") {
        SetEnabled(number != 0);
    } else if (lower == "visible") {
        SetVisible(number != 0);
    } else if (lower == "clipped") {
        Clipped = number != 0;
    } else if (lower == "tabstop") {
        TabStop = number != 0;
    } else if (lower == "grouped") {
        Grouped = number != 0;
    } else if (lower == "control") {
        int i = velpack::ReadInteger(index.c_str());
        QFrame* child = PointerFrom<QFrame>(v);
        if (i < 0 || i >= static_cast<int>(Controls.size()) || !child) return false;
        Controls[static_cast<std::size_t>(i)] = child;
    } else if (lower == "controlcount") {
        if (number <= 0 || Controls.size() + static_cast<std::size_t>(number) > kMaxChildren)
            return false;
        for (int i = 0; i < number; ++i) {
            auto* child = new QFrame;
            child->Parent = this;
            AddControl(child);
        }
    } else if (lower == "clientrect") {
        RECT* rect = PointerFrom<RECT>(v);
        if (!rect) return false;
        SetClientRect(*rect);
    } else if (lower == "handle" || lower == "showhint" || lower == "clientwidth" ||
               lower == "clientheight" || lower == "windowrect" || lower == "dummy") {
        return false;
    } else if (lower == "onpaint") {
        SetOnPaint(PointerFrom<std::remove_pointer_t<QEvent>>(v));
    } else if (void** handler = HandlerField(lower)) {
        *handler = PointerFrom<void>(v);
    } else {
        return QObject::SetPropValue(name, value);
    }
    return true;
}

bool QFrame::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "qframe") || QObject::IsA(className);
}

QPersistent* QFrame::Invoke(const std::string& method) {
    if (velpack::EqualsNoCase(method, "refresh")) {
        Refresh();
        return this;
    }
    return QObject::Invoke(method);
}
