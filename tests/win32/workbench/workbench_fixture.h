// Starts the workbench inside a test program once (with scripted prompts)
// and offers small fakes of code pages.
#pragma once

#include <windows.h>

#include <string>

#include "../../support/scripted_prompts.h"
#include "common/prompts.h"
#include "workbench/document.h"
#include "ui/page_sheet.h"

namespace tavrin::test {

// The prompts every in-process workbench test uses.
ScriptedPrompts& Prompts();

// Starts the workbench on first use and waits for its first showing.
void EnsureWorkbenchStarted();

// Lets the workbench's pending messages run for a while.
void Pump(DWORD milliseconds = 50);

// A page that behaves like a code page as far as the main window can see:
// its close asks the save question when modified.
class FakeCodePage : public TPageSheet, public TDocument {
public:
    FakeCodePage(std::string caption, std::string file, bool modified = false);
    bool IsCodePage() const override { return true; }
    std::string FileName() const override { return file_; }
    DocumentKind Kind() const override { return DocumentKind::CodePage; }
    std::string DocumentFile() const override { return file_; }
    bool Close() override;
    int closeCalls = 0;

private:
    std::string file_;
    bool modified_;
};

// The folder of the running test program.
std::string TestProgramFolder();

}  // namespace tavrin::test
