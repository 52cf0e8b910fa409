// TCodePage: a page of the code window that edits one source text in its
// editor frame, owns the scanner that fills the code explorer, and knows the
// file it was loaded from (with the file's encoding and line ends, which a
// save keeps).
#pragma once

#include <memory>
#include <string>

#include "analysis/scanner.h"
#include "common/text_codec.h"
#include "editor/editor_frame.h"
#include "workbench/document.h"
#include "ui/page_sheet.h"

namespace tavrin {

class TCodePage : public TPageSheet, public TDocument {
public:
    // Creates the editor inside the code window (parent) and attaches the
    // scanner to the explorer (may be null).
    TCodePage(HWND parent, ExplorerTree* explorer);
    ~TCodePage() override;

    // TPageSheet
    bool IsCodePage() const override { return true; }
    std::string FileName() const override { return fileName_; }
    HWND ClientWindow() const override { return editor_.Handle(); }
    // Asks whether to save a modified page. False keeps the page: Cancel, or
    // Yes whose save box was cancelled; a failed save raises its error, and
    // the page stays too.
    bool Close() override;
    void DeleteErrors() override { editor_.Edit().DeleteErrors(); }
    void Rescan() override;
    void ShowLine(int line) override;

    // TDocument
    DocumentKind Kind() const override { return DocumentKind::CodePage; }
    std::string DocumentFile() const override { return fileName_; }

    TEditor& Editor() { return editor_; }
    TScanner& Scanner() { return scanner_; }
    const TextFormat& Format() const { return format_; }
    bool Saved() const { return saved_; }
    // Grows with every change of the text, across all pages: a page whose
    // stamp differs from one noted earlier has changed since.
    unsigned long long ChangeStamp() const { return changeStamp_; }
    // Puts a text kept from an earlier run into the page, in its own format,
    // and marks the page unsaved.
    void RestoreText(const DecodedText& text);

    // Loads the file when one exists at path (from preloaded when given: the
    // file's text already read and decoded); see the file commands for the rest.
    void SetFileName(const std::string& path, DecodedText* preloaded = nullptr);
    void SetSaved(bool saved);
    // Writes the text when the page's file exists; true when the text is in a
    // file now. A read-only file is not written over: the user is told so and
    // asked for another name (false when that box is cancelled). A failed
    // write raises CommandError and leaves the file and the page as they were.
    bool Save();
    // Asks for a name (again while the name is a read-only file's); returns
    // false when the box was cancelled.
    bool SaveAs();
    // Scans the editor's present text (the page's scanner, then the explorer).
    void ScanText();

    // The dialog or project the page belongs to (not owned).
    void* LinkedObject = nullptr;
    // Called when the page is destroyed, so the dialog or project can unlink it.
    std::function<void(TCodePage&)> OnDestroy;

private:
    void Rename(const std::string& caption);
    void WriteTo(const std::string& path);
    void ApplyText(const std::string& text, const TextFormat& format);

    TEditor editor_;
    TScanner scanner_;
    std::string fileName_;
    TextFormat format_;
    bool saved_ = true;
    unsigned long long changeStamp_ = 0;
};

}  // namespace tavrin
