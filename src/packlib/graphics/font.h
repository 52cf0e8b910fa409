// QFont: a GDI font with its own protocol table (face name, size, colour, flags, handle).
// The font deletes only the handles it made; a handle given to it is used, never deleted.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "packlib/core/object.h"

class VELPACK_API QFont : public QObject {
public:
    QFont();
    ~QFont();
    QFont(const QFont&) = delete;
    QFont& operator=(const QFont&) = delete;

    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;

    std::string GetFaceName();
    void SetFaceName(const std::string& faceName);
    int GetSize();
    void SetSize(int size);
    bool GetBold();
    void SetBold(bool on);
    bool GetItalic();
    void SetItalic(bool on);
    bool GetUnderline();
    void SetUnderline(bool on);
    bool GetStrikeout();
    void SetStrikeout(bool on);
    int GetCharSet();
    void SetCharSet(int charSet);
    COLORREF& GetColor() { return Color; }
    void SetColor(const COLORREF& color);
    HFONT GetHandle() const { return Handle; }
    // Adopts the handle and takes face name and flags from it. The font's own handle it
    // replaces stays alive, for a window may still draw with it, until the font ends.
    void SetHandle(HFONT handle);
    void Assign(HFONT handle);
    void Assign(QFont& font);
    HWND GetOwner() const { return Owner; }
    void SetOwner(HWND owner);
    QFont* Self() { return this; }

    // Deletes the handles the font made (used when the window that owned the font is gone).
    void ReleaseHandle();

    COLORREF Color = 0;
    std::int32_t CharSet = 0;
    HWND Owner = nullptr;
    HFONT Handle = nullptr;
    std::string FaceName = "Tahoma";
    std::int32_t Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikeout = false;

private:
    void Recreate();
    void TakeMadeHandle(HFONT handle);
    void Apply();
    bool ReadLogFont(LOGFONTA& font) const;

    // The handle the font made last, and those it made before that an adopted handle
    // replaced.
    HFONT made_ = nullptr;
    std::vector<HFONT> retired_;
};
