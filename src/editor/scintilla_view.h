// A thin adapter over a Scintilla control: text as lines, caret, font,
// gutter clicks. Code pages and the result window use it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Registers the Scintilla window class once per process.
void RegisterScintilla();

class ScintillaView {
public:
    ScintillaView() = default;
    ScintillaView(const ScintillaView&) = delete;
    ScintillaView& operator=(const ScintillaView&) = delete;

    void Create(HWND parent, int id);
    HWND Handle() const { return handle_; }
    int ControlId() const { return id_; }

    LRESULT Call(unsigned message, WPARAM wp = 0, LPARAM lp = 0) const;

    std::string Text() const;
    void SetText(const std::string& text);
    // The text as bytes, NULs included, without copying (valid until the next change).
    std::string_view TextView() const;
    // Replaces the text by bytes (NULs included) and empties the undo history.
    void SetBytes(std::string_view bytes);
    void InsertBytes(long long position, std::string_view bytes);
    void DeleteBytes(long long position, long long length);
    void ReplaceBytes(long long position, long long length, std::string_view bytes);
    bool EndsWithLineEnd() const;
    int LineCount() const;
    std::string Line(int line) const;  // without its line end
    std::vector<std::string> Lines() const;
    // Replaces the text: each line and CR LF, bytes as they are (NUL included).
    void SetLines(const std::vector<std::string>& lines);
    void AppendLine(const std::string& line);
    // Many lines in one change (each change of a visible control costs a layout).
    void AppendLines(const std::vector<std::string>& lines);
    bool Empty() const;

    int CaretLine() const;
    void SetCaretLine(int line);
    void SetTopLine(int line);
    void SetFont(const std::string& name, int size);
    void SetReadOnly(bool readOnly);
    void ShowGutter(int width);

    // Called with the line of a click in the gutter (the caret moves there first).
    std::function<void(int line)> OnGutterClick;
    // Routes a WM_NOTIFY from the parent; returns true when it was this control's.
    bool HandleNotify(const NMHDR* header);

private:
    HWND handle_ = nullptr;
    int id_ = 0;
    void* direct_ = nullptr;
    LRESULT (*directFn_)(void*, unsigned, WPARAM, LPARAM) = nullptr;
};

}  // namespace tavrin
