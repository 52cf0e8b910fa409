#include "packlib/graphics/font.h"

#include <algorithm>

#include "packlib/text/numbers.h"
#include "packlib/text/textutils.h"

using velpack::kLowerName;
using velpack::kSpelledName;

namespace {

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const char* BoolText(bool on) { return on ? "true" : "false"; }

const char* const kFontNames[] = {"FaceName", "Size", "Color", "Bold", "Italic",
                                  "Underline", "Strikeout", "Handle"};

}  // namespace

QFont::QFont() {
    Recreate();
}

QFont::~QFont() {
    ReleaseHandle();
}

void QFont::ReleaseHandle() {
    if (Handle) DeleteObject(Handle);
    Handle = nullptr;
}

void QFont::Recreate() {
    ReleaseHandle();
    int height = -MulDiv(Size, ScreenPixelsPerInch(), 72);
    Handle = CreateFontA(height, 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, Italic, Underline,
                         Strikeout, DEFAULT_CHARSET, 0, 0, 0, 0, FaceName.c_str());
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
    ReleaseHandle();
    Handle = CreateFontIndirectA(&font);
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

char* QFont::GetPropList() {
    return velpack::NewText(velpack::AppendNames("", kFontNames, 8));
}

QPropInfo* QFont::GetPropInfo(std::string& name) {
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(TrimBlanks(name));
    auto make = [&](const velpack::InfoFields& fields, const std::string& value) {
        return velpack::NewInfo(fields, name, true, value, false);
    };
    if (lower == "facename") return make({pkString, nullptr, "facename", nullptr}, GetFaceName());
    if (lower == "size")
        return make({pkInteger, nullptr, "size", nullptr}, velpack::SignedText(GetSize()));
    if (lower == "color")
        return make({pkInteger, "colorref", "clWindow,clBtnFace,clWindowText", "TELColorEditor"},
                    velpack::UnsignedText(Color));
    if (lower == "bold") return make({pkBoolean, nullptr, kSpelledName, nullptr}, BoolText(GetBold()));
    if (lower == "italic")
        return make({pkBoolean, nullptr, kSpelledName, nullptr}, BoolText(GetItalic()));
    if (lower == "underline")
        return make({pkBoolean, nullptr, kSpelledName, nullptr}, BoolText(GetUnderline()));
    if (lower == "strikeout")
        return make({pkBoolean, nullptr, kSpelledName, nullptr}, BoolText(GetStrikeout()));
    if (lower == "handle")
        return make({pkInteger, "hfont", "handle", nullptr},
                    velpack::UnsignedText(static_cast<std::uint32_t>(
                        reinterpret_cast<std::uintptr_t>(Handle))));
    return ObjectPropInfo(name, false);
}

char* QFont::GetPropValue(std::string& name) {
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(TrimBlanks(name));
    if (lower == "facename") return velpack::NewText(GetFaceName());
    if (lower == "size") return velpack::NewText(velpack::SignedText(GetSize()));
    if (lower == "color") return velpack::NewText(velpack::UnsignedText(Color));
    if (lower == "bold") return velpack::NewText(BoolText(GetBold()));
    if (lower == "italic") return velpack::NewText(BoolText(GetItalic()));
    if (lower == "underline") return velpack::NewText(BoolText(GetUnderline()));
    if (lower == "strikeout") return velpack::NewText(BoolText(GetStrikeout()));
    if (lower == "handle")
        return velpack::NewText(velpack::UnsignedText(
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Handle))));
    return QObject::GetPropValue(name);
}

bool QFont::SetPropValue(std::string& name, const char* value) {
    if (name.empty()) return false;
    std::string text = value ? value : "";
    std::string lower = velpack::LowerCase(TrimBlanks(name));
    int number = velpack::ReadInteger(text.c_str());
    if (lower == "facename") SetFaceName(text);
    else if (lower == "size") SetSize(number);
    else if (lower == "color") SetColor(static_cast<COLORREF>(number));
    else if (lower == "bold") SetBold(number != 0);
    else if (lower == "italic") SetItalic(number != 0);
    else if (lower == "underline") SetUnderline(number != 0);
    else if (lower == "strikeout") SetStrikeout(number != 0);
    else if (lower == "handle")
        SetHandle(reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(
            velpack::ReadAddress(text.c_str()))));
    else
        return QObject::SetPropValue(name, value);
    return true;
}
