// One page of the code window's page control. Code pages derive from it;
// a plain sheet only carries a caption and a client window.
#pragma once

#include <windows.h>

#include <string>

namespace tavrin {

class TPageSheet {
public:
    virtual ~TPageSheet() = default;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }

    virtual bool IsCodePage() const { return false; }
    virtual std::string FileName() const { return {}; }
    // The window shown inside the page control while this page is active.
    virtual HWND ClientWindow() const { return nullptr; }
    // Asks the page to close itself (a code page may ask to save it). Returns
    // false when the user cancelled.
    virtual bool Close() { return true; }
    // Removes the compiler error marks of the page's editor.
    virtual void DeleteErrors() {}
    // Rescans the page's text into the code explorer.
    virtual void Rescan() {}
    // Scrolls the page's editor so that the line (1-based) is the top line
    // and puts the caret on it.
    virtual void ShowLine(int line) {}

private:
    std::string caption_;
};

}  // namespace tavrin
