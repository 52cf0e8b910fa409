// The seam between the error list and the code pages. The code window
// implements it for its real pages and editors; tests implement it with plain
// records. Page handles are opaque to the error list.
#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

using PageHandle = void*;

// Kinds as the editor's error records number them.
enum class ErrorKind : int { Error = 0, Warning = 1, Neither = 3 };

struct ErrorMark {
    long long line = 0;             // counted from 1, as the compiler counts
    ErrorKind kind = ErrorKind::Neither;
    std::uint32_t background = 0;   // 0x00BBGGRR, or 0xFF0000nn for system colour nn
    std::uint32_t foreground = 0;
};

// Error: red background, white text; warning: yellow background, black text;
// neither: the editor's normal window colours.
ErrorMark MakeErrorMark(long long line, ErrorKind kind);

class ErrorMarkTarget {
public:
    virtual ~ErrorMarkTarget() = default;

    // The code window's pages, in page order.
    virtual int PageCount() = 0;
    virtual PageHandle PageAt(int index) = 0;
    virtual std::string PageFileName(PageHandle page) = 0;
    // Makes the page the active page of the code window.
    virtual void ActivatePage(PageHandle page) = 0;
    // Opens a file in a new page (the code window's NewPage(false, file)); a
    // name that is no file gives an empty page captioned with the name.
    virtual PageHandle OpenPage(const std::string& fileName) = 0;
    // CurrentDocument := page.
    virtual void SetCurrentDocument(PageHandle page) = 0;
    virtual bool MultipleFileInstances() = 0;

    // Adds the mark to the page's editor and repaints it.
    virtual void AddErrorMark(PageHandle page, const ErrorMark& mark) = 0;
    // Gutter mark beside a line of the page's editor (from 1).
    virtual void AddEditorGutterMark(PageHandle page, long long line) = 0;
    // Gutter mark beside a line of the result window (from 0).
    virtual void AddResultGutterMark(int resultLine) = 0;
    // Removes every error and gutter mark from the active page's editor; does
    // nothing when there is no active page.
    virtual void ClearActivePageMarks() = 0;
    // Scrolls the page's editor so that the line (from 1) is its top line,
    // puts the caret on it and makes the page the active page.
    virtual void JumpToLine(PageHandle page, long long line) = 0;

    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace tavrin
