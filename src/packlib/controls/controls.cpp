#include "packlib/controls/controls.h"

#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"
#include "packlib/text/textutils.h"
#include "packlib/window/address_checks.h"

using velpack::kListed;
using velpack::kSpelledName;
using velpack::kUnlisted;

namespace {

void ImageChanged(QPicture* picture) {
    if (auto* image = dynamic_cast<QImage*>(picture ? picture->Owner : nullptr))
        image->UpdateImage();
}

// The controls answer "onclick" themselves: kind 0, the address written unsigned.
using ControlAccess = velpack::Access<QControl>;
const velpack::PropertyRow<QControl> kControlRows[] = {
    {"onclick", kUnlisted, {pkNone, kSpelledName, "Event", nullptr},
     ControlAccess::UnsignedAddress<&QControl::onClick>, nullptr,
     ControlAccess::SetProcedure<&QControl::onClick>},
};
const velpack::PropertyTable<QControl> kControlTable(kControlRows, velpack::FrameTable);

using StaticAccess = velpack::Access<QStatic>;
const velpack::PropertyRow<QStatic> kStaticRows[] = {
    {"Alignment", kListed, {pkInteger, "QAlignment", "taLeft,taCenter,taRight", nullptr},
     StaticAccess::Signed<&QStatic::Alignment>, nullptr,
     StaticAccess::SetRounded<&QStatic::SetAlignment>},
};
const velpack::PropertyTable<QStatic> kStaticTable(kStaticRows, velpack::ControlTable);

}  // namespace

const velpack::PropertyChain& velpack::ControlTable() {
    return kControlTable;
}

// ---- shared click handler ----

QControl::QControl(const char* className, const char* ancestor, std::uint32_t style, int width,
                   int height)
    : ownName_(className) {
    ClassName = className;
    ClassAncestor = ancestor;
    Style = static_cast<std::int32_t>(style);
    Width = width;
    Height = height;
}

VELPACK_TABLE_PROTOCOL(QControl, kControlTable)

// ---- QStatic ----

QStatic::QStatic() : QStatic("QStatic", 0x4000010B, 97, 17) {}

QStatic::QStatic(const char* className, std::uint32_t style, int width, int height)
    : QControl(className, "static", style, width, height) {
    Color = RGB(255, 255, 255);
    if (Brush) Brush->SetColor(Color);
}

VELPACK_TABLE_PROTOCOL(QStatic, kStaticTable)

void QStatic::SetAlignment(int alignment) {
    Alignment = alignment;
    if (alignment == taLeft) Style &= ~3;
    else if (alignment == taCenter) Style = (Style | 1) & ~2;
    else if (alignment == taRight) Style = (Style | 2) & ~1;
    Update();
}

// ---- QImage ----

QImage::QImage() : QStatic("QImage", 0x4000010E, 105, 105), Picture(new QPicture(this)) {
    ownPicture_ = Picture;
    Picture->OnChange = ImageChanged;
}

QImage::~QImage() {
    delete ownPicture_;
}

bool QImage::GetCenterImage() {
    CenterImage = (Style & SS_CENTERIMAGE) != 0;
    return CenterImage;
}

void QImage::SetCenterImage(bool on) {
    CenterImage = on;
    Style = on ? (Style | SS_CENTERIMAGE) : (Style & ~SS_CENTERIMAGE);
}

void QImage::SetPicture(QPicture* picture) {
    if (picture) Picture = picture->Self();
}

void QImage::UpdateImage() {
    if (!Picture) return;
    std::string extension = velpack::LowerCase(ExtractFileExt(Picture->FileName));
    WPARAM type = extension == ".ico" || extension == ".cur" ? IMAGE_ICON : IMAGE_BITMAP;
    Perform(STM_SETIMAGE, type, reinterpret_cast<LPARAM>(Picture->Handle));
}

void QImage::Dispatch(QMessage& message) {
    QStatic::Dispatch(message);
    if (message.Msg == STM_SETIMAGE && Picture)
        Picture->Handle = reinterpret_cast<HANDLE>(message.lParam);
}

// ---- buttons ----

QButton::QButton() : QControl("QButton", "Button", 0x40000000, 75, 35) {}

void QButton::Dispatch(QMessage& message) {
    QFrame::Dispatch(message);
    if (message.Msg == QM_COMMAND && HIWORD(message.wParam) == BN_CLICKED) {
        if (onClick) velpack::CallHandler(onClick, this);
        else velpack::CallHandler(onButtonClick, this);
    }
}

QCheckBox::QCheckBox() : QControl("QCheckBox", "Button", 0x40000003, 75, 35) {}

void QCheckBox::Dispatch(QMessage& message) {
    QFrame::Dispatch(message);
    if (message.Msg == QM_COMMAND && HIWORD(message.wParam) == BN_CLICKED)
        velpack::CallHandler(onClick, this);
}

QRadioButton::QRadioButton() : QControl("QRadioButton", "Button", 0x40000009, 75, 35) {}

void QRadioButton::CreateWnd() {
    SetStyle(0x40000009);
    QFrame::CreateWnd();
}

QGroupBox::QGroupBox() : QControl("QGroupBox", "Button", 0x40000007, 75, 35) {}

void QGroupBox::CreateWnd() {
    SetStyle(0x40000007);
    QFrame::CreateWnd();
}

QEdit::QEdit() : QControl("QEdit", "edit", 0x40000000, 97, 17) {}
QComboBox::QComboBox() : QControl("QComboBox", "combobox", 0x40000000, 121, 21) {}
QListBox::QListBox() : QControl("QListBox", "listbox", 0x40000000, 121, 121) {}
QScrollBar::QScrollBar() : QControl("QScrollBar", "scrollbar", 0x40000000, 221, 17) {}
