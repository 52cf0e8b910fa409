#include "workbench_fixture.h"

#include "workbench/code_window.h"
#include "app/startup.h"
#include "ui/file_system.h"
#include "workbench/workbench.h"

namespace tavrin::test {

ScriptedPrompts& Prompts() {
    static ScriptedPrompts prompts;
    return prompts;
}

std::string TestProgramFolder() { return ExtractFileDir(ExecutableFilePath()); }

void Pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

void EnsureWorkbenchStarted() {
    static bool started = false;
    if (started) return;
    started = true;
    Prompts();
    DeleteFileA(ChangeFileExt(ExecutableFilePath(), ".ini").c_str());
    StartWorkbench();
    for (int i = 0; i < 200 && !App().Code->Visible(); ++i) Pump(10);
}

FakeCodePage::FakeCodePage(std::string caption, std::string file, bool modified)
    : file_(std::move(file)), modified_(modified) {
    SetCaption(std::move(caption));
}

bool FakeCodePage::Close() {
    ++closeCalls;
    if (!modified_) return true;
    Answer answer = UserPrompts().ConfirmYesNoCancel("Save changes to " + Caption() + "?");
    return answer != Answer::Cancel;
}

}  // namespace tavrin::test
