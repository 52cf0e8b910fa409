// The property table of frames: names, info records, value texts and setters.
#include "packlib/core/build_variant.h"
#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"
#include "packlib/core/registry.h"
#include "packlib/text/textutils.h"
#include "packlib/window/address_checks.h"
#include "packlib/window/frame.h"

using velpack::kEventClassName;
using velpack::kListed;
using velpack::kLowerName;
using velpack::kSpelledName;
using velpack::kUnlisted;
using velpack::PropertyName;
using velpack::ValueText;

namespace {

using Row = velpack::PropertyRow<QFrame>;
using Fields = velpack::RecordFields<QFrame>;
using A = velpack::Access<QFrame>;

// New children made by "ControlCount" take a font, a brush and a menu handle each; the
// limit keeps one frame from using up the process's share of window-system handles.
constexpr std::size_t kMaxChildren = 1000;

std::uintptr_t AddressFrom(const char* text) {
    return static_cast<std::uintptr_t>(velpack::ReadAddress(text));
}

ValueText FaceNameOfFont(QFrame& frame, const PropertyName&) {
    return frame.Font ? frame.Font->GetFaceName() : std::string();
}

// Only a live font of the library is adopted.
bool SetFontFromText(QFrame& frame, const char* value, const PropertyName&) {
    QFont* font = nullptr;
    if (!velpack::ObjectFromText(value, font) || !font) return false;
    frame.SetFont(font);
    return true;
}

bool SetCursorHandle(QFrame& frame, const char* value, const PropertyName&) {
    if (!frame.Cursor) return false;
    frame.Cursor->Handle =
        reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(velpack::ReadInteger(value)));
    return true;
}

std::string ParentClassName(QFrame& frame) {
    if (!velpack::IsLiveObject(frame.Parent)) return std::string();
    return frame.Parent->ClassName.empty() ? "QFrame" : frame.Parent->ClassName;
}

// 0 detaches the frame; any other address must name a live frame outside its subtree.
bool SetParentFromText(QFrame& frame, const char* value, const PropertyName&) {
    QFrame* parent = nullptr;
    if (!velpack::ObjectFromText(value, parent) || !frame.CanGoInside(parent)) return false;
    frame.SetParent(parent);
    return true;
}

bool SetParentWindow(QFrame& frame, const char* value, const PropertyName&) {
    frame.SetParentWnd(reinterpret_cast<HWND>(AddressFrom(value)));
    return true;
}

std::string OwnClassName(QFrame& frame) {
    return frame.ClassName.empty() ? "QFrame" : frame.ClassName;
}

// The child the name's index gives, or -1.
int ChildIndex(const QFrame& frame, const PropertyName& name) {
    int i = velpack::ReadInteger(name.index.c_str());
    return i >= 0 && i < static_cast<int>(frame.Controls.size()) ? i : -1;
}

ValueText ChildAddress(QFrame& frame, const PropertyName& name) {
    int i = ChildIndex(frame, name);
    if (i < 0) return std::nullopt;
    return velpack::SignedAddressText(frame.Controls[static_cast<std::size_t>(i)]);
}

// The slot takes a live frame that is neither the frame itself nor one of its ancestors.
bool SetChildFromText(QFrame& frame, const char* value, const PropertyName& name) {
    int i = ChildIndex(frame, name);
    QFrame* child = nullptr;
    if (i < 0 || !velpack::ObjectFromText(value, child) || !child || !child->CanGoInside(&frame))
        return false;
    frame.Controls[static_cast<std::size_t>(i)] = child;
    return true;
}

bool MakeChildren(QFrame& frame, const char* value, const PropertyName&) {
    int number = velpack::ReadInteger(value);
    if (number <= 0 || frame.Controls.size() + static_cast<std::size_t>(number) > kMaxChildren)
        return false;
    for (int i = 0; i < number; ++i) {
        auto* child = new QFrame;
        child->Parent = &frame;
        frame.AddControl(child);
    }
    return true;
}

ValueText ClientRectAddress(QFrame& frame, const PropertyName&) {
    return velpack::UnsignedAddressText(&frame.GetClientRect());
}

ValueText ClientRectLeft(QFrame& frame, const PropertyName&) {
    return velpack::SignedText(frame.GetClientRect().left);
}

ValueText WindowRectAddress(QFrame& frame, const PropertyName&) {
    return velpack::UnsignedAddressText(&frame.GetWindowRect());
}

ValueText WindowRectLeft(QFrame& frame, const PropertyName&) {
    return velpack::SignedText(frame.GetWindowRect().left);
}

// The rectangle is copied from wherever the text points, when those bytes can be read:
// programs pass rectangles of their own.
bool SetClientRectFromText(QFrame& frame, const char* value, const PropertyName&) {
    auto* rect = reinterpret_cast<const RECT*>(AddressFrom(value));
    if (!velpack::IsReadableMemory(rect, sizeof(RECT))) return false;
    frame.SetClientRect(*rect);
    return true;
}

bool SetPaintHandler(QFrame& frame, const char* value, const PropertyName&) {
    frame.SetOnPaint(velpack::ProcedureFromText<QEvent>(value));
    return true;
}

// An event record's Value comes through the dispatch table, so that a derived class's
// answer counts.
ValueText ValueThroughDispatch(QFrame& frame, const PropertyName& name) {
    std::string copy = name.spelled;
    char* value = frame.GetPropValue(copy);
    if (!value) return std::nullopt;
    return velpack::TakeText(value);
}

constexpr Fields kNumber{pkInteger, kSpelledName, kLowerName, nullptr};
constexpr Fields kFlag{pkBoolean, "boolean", "False,True", nullptr};
constexpr Fields kCount{pkInteger, "integer", kSpelledName, nullptr};
constexpr Fields kRect{pkObject, "rect", kSpelledName, nullptr};
constexpr Fields kEvent{pkEvent, kEventClassName, kSpelledName, nullptr};

// A listed event: the handler's address is its value; the setter stores an address.
template <auto Handler>
constexpr Row EventRow(const char* name) {
    return {name, kListed, kEvent, A::SignedAddress<Handler>, ValueThroughDispatch,
            A::SetProcedure<Handler>};
}

const Row kFrameRows[] = {
    {"Font", kListed, {pkObject, "QFont", "Font", "TELFontEditor"},
     A::SignedAddress<&QFrame::Font>, FaceNameOfFont, SetFontFromText},
    {"Text", kListed, {pkString, kSpelledName, "text", nullptr},
     A::Text<&QFrame::GetText>, nullptr, A::SetText<&QFrame::SetText>},
    {"Hint", kListed, {pkString, kSpelledName, "hint", nullptr},
     A::Text<&QFrame::Hint>, nullptr, A::SetText<&QFrame::Hint>},
    {"ControlStyle", kListed,
     {pkInteger, "QControlStyle", "csDefault,csAcceptChilds,csTransparent", nullptr},
     A::Signed<&QFrame::ControlStyle>, nullptr, A::SetInteger<&QFrame::ControlStyle>},
    {"ControlState", kUnlisted,
     {pkInteger, "QControlState", "csDefault,csReplicatable,csDesign", nullptr},
     A::Signed<&QFrame::ControlState>, nullptr, A::SetInteger<&QFrame::ControlState>},
    {"Cursor", kListed,
     {pkInteger, "QCursor",
      "crNone,crArrow,crSize,crSizeNE,crSizeSE,crSizeNV,crSizeSV,crWait,crHand,crCross", nullptr},
     A::SignedAddress<&QFrame::Cursor>, A::UnsignedAddress<&QFrame::Cursor>, SetCursorHandle},
    {"Color", kListed, {pkInteger, "colorref", "clWindow,clBtnFace,clWindowText", "TELColorEditor"},
     A::Signed<&QFrame::GetColor>, A::Unsigned<&QFrame::GetColor>, A::SetInteger<&QFrame::SetColor>},
    {"Align", kListed,
     {pkEnumeration, "QAlign", "alNone,alLeft,alRight,alTop,alBottom,alClient", nullptr},
     A::Signed<&QFrame::GetAlign>, nullptr, A::SetInteger<&QFrame::SetAlign>},
    {"Parent", kListed, {pkObject, "QFrame", ParentClassName, nullptr},
     A::SignedAddress<&QFrame::GetParent>, A::UnsignedAddress<&QFrame::GetParent>,
     SetParentFromText},
    {"ParentWnd", kListed, {pkInteger, kSpelledName, "parentwnd", nullptr},
     A::SignedAddress<&QFrame::GetParentWnd>, A::UnsignedAddress<&QFrame::GetParentWnd>,
     SetParentWindow},
    {"Style", kListed, kNumber, A::Signed<&QFrame::GetStyle>, nullptr,
     A::SetInteger<&QFrame::SetStyle>},
    {"Exstyle", kListed, kNumber, A::Signed<&QFrame::GetExStyle>, nullptr,
     A::SetInteger<&QFrame::SetExStyle>},
    {"Id", kListed, kNumber, A::Signed<&QFrame::Id>, nullptr, A::SetInteger<&QFrame::Id>},
    {"Left", kListed, kNumber, A::Signed<&QFrame::GetLeft>, nullptr, A::SetInteger<&QFrame::SetLeft>},
    {"Top", kListed, kNumber, A::Signed<&QFrame::GetTop>, nullptr, A::SetInteger<&QFrame::SetTop>},
    {"Width", kListed, kNumber, A::Signed<&QFrame::GetWidth>, nullptr,
     A::SetInteger<&QFrame::SetWidth>},
    {"Height", kListed, kNumber, A::Signed<&QFrame::GetHeight>, nullptr,
     A::SetInteger<&QFrame::SetHeight>},
    {"Handle", kListed, {pkInteger, kSpelledName, "handle", nullptr},
     A::UnsignedAddress<&QFrame::Handle>, nullptr, nullptr},
    {"Enabled", kListed, kFlag, A::MinusOneOrZero<&QFrame::GetEnabled>,
     A::TrueOrFalse<&QFrame::GetEnabled>, A::SetFlag<&QFrame::SetEnabled>},
    {"Visible", kListed, kFlag, A::MinusOneOrZero<&QFrame::GetVisible>,
     A::TrueOrFalse<&QFrame::GetVisible>, A::SetFlag<&QFrame::SetVisible>},
    {"ShowHint", kListed, kFlag, A::MinusOneOrZero<&QFrame::ShowHint>,
     A::TrueOrFalse<&QFrame::ShowHint>, nullptr},
    {"Clipped", kListed, kFlag, A::MinusOneOrZero<&QFrame::Clipped>,
     A::TrueOrFalse<&QFrame::Clipped>, A::SetFlag<&QFrame::Clipped>},
    {"TabStop", kListed, kFlag, A::MinusOneOrZero<&QFrame::TabStop>,
     A::TrueOrFalse<&QFrame::TabStop>, A::SetFlag<&QFrame::TabStop>},
    {"Grouped", kListed, kFlag, A::MinusOneOrZero<&QFrame::Grouped>,
     A::TrueOrFalse<&QFrame::Grouped>, A::SetFlag<&QFrame::Grouped>},
    {"Control", kListed, {pkNone, OwnClassName, nullptr, nullptr}, ChildAddress, A::NoValue,
     SetChildFromText},
    {"ControlCount", kListed, kCount, A::Signed<&QFrame::ControlCount>, nullptr, MakeChildren},
    {"ClientWidth", kListed, kCount, A::Signed<&QFrame::GetClientWidth>, nullptr, nullptr},
    {"ClientHeight", kListed, kCount, A::Signed<&QFrame::GetClientHeight>, nullptr, nullptr},
    {"ClientRect", kListed, kRect, ClientRectAddress, ClientRectLeft, SetClientRectFromText},
    {"Windowrect", kListed, kRect, WindowRectAddress, WindowRectLeft, nullptr},
    EventRow<&QFrame::onCreate>("onCreate"),
    EventRow<&QFrame::onDestroy>("onDestroy"),
    EventRow<&QFrame::onClick>(velpack::kTestBuild ? "onClick" : "onclick"),
    EventRow<&QFrame::onDblClick>("onDblClick"),
    {"onPaint", kListed, kEvent, A::SignedAddress<&QFrame::onPaint>, ValueThroughDispatch,
     SetPaintHandler},
    EventRow<&QFrame::onMouseDown>("onMouseDown"),
    EventRow<&QFrame::onMouseUp>("onMouseUp"),
    EventRow<&QFrame::onMouseMove>("onMouseMove"),
    EventRow<&QFrame::onMouseWheel>("onMouseWheel"),
    EventRow<&QFrame::onKeyDown>("onKeyDown"),
    // Understood but not listed, and not readable.
    {"onkeyup", kUnlisted, kEvent, nullptr, ValueThroughDispatch, A::SetProcedure<&QFrame::onKeyUp>},
    EventRow<&QFrame::onKeyPress>("onKeyPress"),
    EventRow<&QFrame::onCommand>("onCommand"),
    EventRow<&QFrame::onMenu>("onMenu"),
    EventRow<&QFrame::onAccel>("onAccel"),
#if !defined(VELPACK_TEST_BUILD)
    // A placeholder name: a record without fields, no value, not settable.
    {"dummy", kUnlisted, {pkNone, nullptr, nullptr, nullptr}, nullptr, A::NoValue, nullptr},
#endif
};

// Frames cut an index part off the name in place before they look it up.
const velpack::PropertyTable<QFrame> kFrameTable(kFrameRows, velpack::ObjectTable,
                                                 velpack::Naming::kIndexed);

}  // namespace

const velpack::PropertyChain& velpack::FrameTable() {
    return kFrameTable;
}

VELPACK_TABLE_PROTOCOL(QFrame, kFrameTable)

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
