#include "editor/scintilla_view.h"

#include <Scintilla.h>

namespace tavrin {

void RegisterScintilla() {
    static bool registered = Scintilla_RegisterClasses(GetModuleHandleA(nullptr)) != 0;
    (void)registered;
}

void ScintillaView::Create(HWND parent, int id) {
    RegisterScintilla();
    id_ = id;
    handle_ = CreateWindowExA(0, "Scintilla", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 100,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!handle_) return;
    directFn_ = reinterpret_cast<LRESULT (*)(void*, unsigned, WPARAM, LPARAM)>(
        SendMessageA(handle_, SCI_GETDIRECTFUNCTION, 0, 0));
    direct_ = reinterpret_cast<void*>(SendMessageA(handle_, SCI_GETDIRECTPOINTER, 0, 0));
    Call(SCI_SETTECHNOLOGY, SC_TECHNOLOGY_DEFAULT);  // GDI drawing
    Call(SCI_SETCODEPAGE, 0);                        // 8-bit text in the system code page
    Call(SCI_SETMARGINWIDTHN, 1, 0);
    ShowGutter(0);
}

LRESULT ScintillaView::Call(unsigned message, WPARAM wp, LPARAM lp) const {
    if (directFn_ && direct_) return directFn_(direct_, message, wp, lp);
    return handle_ ? SendMessageA(handle_, message, wp, lp) : 0;
}

std::string ScintillaView::Text() const {
    LRESULT length = Call(SCI_GETLENGTH);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Call(SCI_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void ScintillaView::SetText(const std::string& text) {
    bool readOnly = Call(SCI_GETREADONLY) != 0;
    if (readOnly) Call(SCI_SETREADONLY, 0);
    Call(SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (readOnly) Call(SCI_SETREADONLY, 1);
}

std::string_view ScintillaView::TextView() const {
    LRESULT length = Call(SCI_GETLENGTH);
    if (length <= 0) return {};
    const char* text = reinterpret_cast<const char*>(Call(SCI_GETCHARACTERPOINTER));
    return text ? std::string_view(text, static_cast<size_t>(length)) : std::string_view();
}

void ScintillaView::SetBytes(std::string_view bytes) {
    bool readOnly = Call(SCI_GETREADONLY) != 0;
    if (readOnly) Call(SCI_SETREADONLY, 0);
    Call(SCI_CLEARALL);
    Call(SCI_ALLOCATE, bytes.size() + 1);
    Call(SCI_APPENDTEXT, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
    Call(SCI_EMPTYUNDOBUFFER);
    if (readOnly) Call(SCI_SETREADONLY, 1);
}

void ScintillaView::InsertBytes(long long position, std::string_view bytes) {
    Call(SCI_SETTARGETRANGE, static_cast<WPARAM>(position), static_cast<LPARAM>(position));
    Call(SCI_REPLACETARGET, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
}

void ScintillaView::DeleteBytes(long long position, long long length) {
    if (length > 0) Call(SCI_DELETERANGE, static_cast<WPARAM>(position), static_cast<LPARAM>(length));
}

void ScintillaView::ReplaceBytes(long long position, long long length, std::string_view bytes) {
    Call(SCI_SETTARGETRANGE, static_cast<WPARAM>(position), static_cast<LPARAM>(position + length));
    Call(SCI_REPLACETARGET, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
}

bool ScintillaView::EndsWithLineEnd() const {
    LRESULT length = Call(SCI_GETLENGTH);
    if (length == 0) return false;
    char last = static_cast<char>(Call(SCI_GETCHARAT, length - 1));
    return last == '\n' || last == '\r';
}

int ScintillaView::LineCount() const {
    if (Empty()) return 0;
    int count = static_cast<int>(Call(SCI_GETLINECOUNT));
    // A final line break does not start a line of its own.
    if (count > 0 && Call(SCI_POSITIONFROMLINE, count - 1) == Call(SCI_GETLENGTH)) --count;
    return count;
}

bool ScintillaView::Empty() const { return Call(SCI_GETLENGTH) == 0; }

std::string ScintillaView::Line(int line) const {
    LRESULT start = Call(SCI_POSITIONFROMLINE, line);
    LRESULT end = Call(SCI_GETLINEENDPOSITION, line);
    if (start < 0 || end < start) return {};
    Sci_TextRangeFull range{};
    range.chrg.cpMin = start;
    range.chrg.cpMax = end;
    std::string buffer(static_cast<size_t>(end - start) + 1, '\0');
    range.lpstrText = buffer.data();
    Call(SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<LPARAM>(&range));
    buffer.resize(static_cast<size_t>(end - start));
    return buffer;
}

std::vector<std::string> ScintillaView::Lines() const {
    std::vector<std::string> lines;
    int count = LineCount();
    lines.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) lines.push_back(Line(i));
    return lines;
}

void ScintillaView::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    size_t total = 0;
    for (const auto& line : lines) total += line.size() + 2;
    text.reserve(total);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    SetBytes(text);  // by length: a NUL byte inside a line must not end the text
}

void ScintillaView::AppendLine(const std::string& line) { AppendLines({line}); }

void ScintillaView::AppendLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    if (text.empty()) return;
    bool readOnly = Call(SCI_GETREADONLY) != 0;
    if (readOnly) Call(SCI_SETREADONLY, 0);
    Call(SCI_APPENDTEXT, text.size(), reinterpret_cast<LPARAM>(text.c_str()));
    if (readOnly) Call(SCI_SETREADONLY, 1);
}

int ScintillaView::CaretLine() const {
    return static_cast<int>(Call(SCI_LINEFROMPOSITION, Call(SCI_GETCURRENTPOS)));
}

void ScintillaView::SetCaretLine(int line) {
    Call(SCI_GOTOLINE, line);
}

void ScintillaView::SetTopLine(int line) { Call(SCI_SETFIRSTVISIBLELINE, line); }

void ScintillaView::SetFont(const std::string& name, int size) {
    Call(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<LPARAM>(name.c_str()));
    Call(SCI_STYLESETSIZE, STYLE_DEFAULT, size);
    Call(SCI_STYLECLEARALL);
}

void ScintillaView::SetReadOnly(bool readOnly) { Call(SCI_SETREADONLY, readOnly ? 1 : 0); }

void ScintillaView::ShowGutter(int width) {
    Call(SCI_SETMARGINTYPEN, 0, SC_MARGIN_SYMBOL);
    Call(SCI_SETMARGINWIDTHN, 0, width);
    Call(SCI_SETMARGINSENSITIVEN, 0, 1);
}

bool ScintillaView::HandleNotify(const NMHDR* header) {
    if (!handle_ || header->hwndFrom != handle_) return false;
    const auto* notification = reinterpret_cast<const SCNotification*>(header);
    if (header->code == SCN_MARGINCLICK) {
        int line = static_cast<int>(Call(SCI_LINEFROMPOSITION, notification->position));
        SetCaretLine(line);
        if (OnGutterClick) OnGutterClick(line);
    }
    return true;
}

}  // namespace tavrin
