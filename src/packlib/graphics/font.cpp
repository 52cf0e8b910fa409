#include "packlib/graphics/font.h"

#include "packlib/core/class_tables.h"
#include "packlib/core/property_access.h"

using velpack::kListed;
using velpack::kSpelledName;

namespace {

// The screen's resolution is fixed for the process: asked once, not for each
// of the many fonts that windows and their objects make.
int ScreenPixelsPerInch() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        int pixels = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
        return pixels;
    }();
    return dpi;
}

// A handle is adopted only when it names a font (0 leaves the font without one).
bool SetFontHandle(QFont& font, const char* value, const velpack::PropertyName&) {
    auto handle = reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(velpack::ReadAddress(value)));
    if (handle && GetObjectType(handle) != OBJ_FONT) return false;
    font.SetHandle(handle);
    return true;
}

// The font lists its own names only; it answers the object's names without listing them.
// Names are trimmed of blanks before they are compared; the records stay private.
using A = velpack::Access<QFont>;
constexpr auto& kFlag = velpack::kNamedFlag<QFont>;
const velpack::PropertyRow<QFont> kFontRows[] = {
    {"FaceName", kListed, {pkString, nullptr, "facename", nullptr}, A::Text<&QFont::GetFaceName>,
     nullptr, A::SetText<&QFont::SetFaceName>},
    {"Size", kListed, {pkInteger, nullptr, "size", nullptr}, A::Signed<&QFont::GetSize>, nullptr,
     A::SetInteger<&QFont::SetSize>},
    {"Color", kListed, {pkInteger, "colorref", "clWindow,clBtnFace,clWindowText", "TELColorEditor"},
     A::Unsigned<&QFont::Color>, nullptr, A::SetInteger<&QFont::SetColor>},
    {"Bold", kListed, kFlag, A::TrueOrFalse<&QFont::GetBold>, nullptr, A::SetFlag<&QFont::SetBold>},
    {"Italic", kListed, kFlag, A::TrueOrFalse<&QFont::GetItalic>, nullptr,
     A::SetFlag<&QFont::SetItalic>},
    {"Underline", kListed, kFlag, A::TrueOrFalse<&QFont::GetUnderline>, nullptr,
     A::SetFlag<&QFont::SetUnderline>},
    {"Strikeout", kListed, kFlag, A::TrueOrFalse<&QFont::GetStrikeout>, nullptr,
     A::SetFlag<&QFont::SetStrikeout>},
    {"Handle", kListed, {pkInteger, "hfont", "handle", nullptr}, A::UnsignedAddress<&QFont::Handle>,
     nullptr, SetFontHandle},
};
const velpack::PropertyTable<QFont> kFontTable(kFontRows, velpack::ObjectTable,
                                               velpack::Naming::kTrimmed,
                                               velpack::kPrivateRecords, velpack::kOwnNamesOnly);

}  // namespace

QFont::QFont() {
    Recreate();
}

QFont::~QFont() {
    ReleaseHandle();
}

void QFont::ReleaseHandle() {
    if (made_) DeleteObject(made_);
    for (HFONT retired : retired_) DeleteObject(retired);
    made_ = nullptr;
    retired_.clear();
    Handle = nullptr;
}

// The new handle replaces the one the font made before, which is deleted.
void QFont::TakeMadeHandle(HFONT handle) {
    if (made_) DeleteObject(made_);
    Handle = made_ = handle;
}

void QFont::Recreate() {
    int height = -MulDiv(Size, ScreenPixelsPerInch(), 72);
    TakeMadeHandle(CreateFontA(height, 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, Italic, Underline,
                               Strikeout, DEFAULT_CHARSET, 0, 0, 0, 0, FaceName.c_str()));
}

void QFont::Apply() {
    if (Owner && IsWindow(Owner))
        SendMessageA(Owner, WM_SETFONT, reinterpret_cast<WPARAM>(Handle), TRUE);
}

bool QFont::ReadLogFont(LOGFONTA& font) const {
    return Handle && GetObjectA(Handle, sizeof font, &font) != 0;
}

std::string QFont::GetFaceName() {
    LOGFONTA font;
    if (ReadLogFont(font)) FaceName = font.lfFaceName;
    return FaceName;
}

int QFont::GetSize() {
    LOGFONTA font;
    if (ReadLogFont(font)) Size = -MulDiv(72, font.lfHeight, ScreenPixelsPerInch());
    return Size;
}

bool QFont::GetBold() {
    LOGFONTA font;
    if (ReadLogFont(font)) Bold = font.lfWeight == FW_BOLD;
    return Bold;
}

bool QFont::GetItalic() {
    LOGFONTA font;
    if (ReadLogFont(font)) Italic = font.lfItalic != 0;
    return Italic;
}

bool QFont::GetUnderline() {
    LOGFONTA font;
    if (ReadLogFont(font)) Underline = font.lfUnderline != 0;
    return Underline;
}

bool QFont::GetStrikeout() {
    LOGFONTA font;
    if (ReadLogFont(font)) Strikeout = font.lfStrikeOut != 0;
    return Strikeout;
}

int QFont::GetCharSet() {
    LOGFONTA font;
    if (ReadLogFont(font)) CharSet = font.lfCharSet;
    return CharSet;
}

void QFont::SetFaceName(const std::string& faceName) { FaceName = faceName; Recreate(); Apply(); }
void QFont::SetSize(int size) { Size = size; Recreate(); Apply(); }
void QFont::SetBold(bool on) { Bold = on; Recreate(); Apply(); }
void QFont::SetItalic(bool on) { Italic = on; Recreate(); Apply(); }
void QFont::SetUnderline(bool on) { Underline = on; Recreate(); Apply(); }
void QFont::SetStrikeout(bool on) { Strikeout = on; Recreate(); Apply(); }
void QFont::SetCharSet(int charSet) { CharSet = charSet; Recreate(); Apply(); }
void QFont::SetColor(const COLORREF& color) { Color = color; Recreate(); Apply(); }

void QFont::SetHandle(HFONT handle) {
    if (made_ && handle != made_) {
        retired_.push_back(made_);
        made_ = nullptr;
    }
    Handle = handle;
    LOGFONTA font;
    if (!ReadLogFont(font)) return;
    FaceName = font.lfFaceName;
    Bold = font.lfWeight > FW_NORMAL;
    Italic = font.lfItalic != 0;
    Underline = font.lfUnderline != 0;
    Strikeout = font.lfStrikeOut != 0;
}

void QFont::Assign(HFONT handle) {
    LOGFONTA font;
    if (!handle || GetObjectA(handle, sizeof font, &font) == 0) return;
    TakeMadeHandle(CreateFontIndirectA(&font));
    FaceName = font.lfFaceName;
    Size = -MulDiv(72, font.lfHeight, ScreenPixelsPerInch());
    Apply();
}

void QFont::Assign(QFont& font) {
    if (&font != this) Assign(font.Handle);
}

void QFont::SetOwner(HWND owner) {
    Owner = owner;
    Apply();
}

VELPACK_TABLE_PROTOCOL(QFont, kFontTable)
