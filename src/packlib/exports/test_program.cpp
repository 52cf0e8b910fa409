#include "packlib/exports/test_program.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "packlib/controls/controls.h"
#include "packlib/exports/entry_points.h"
#include "packlib/exports/messagebox.h"
#include "packlib/lists/qstringlist.h"
#include "packlib/window/form.h"

namespace {

QStatic* testStatic = nullptr;
QButton* testButton = nullptr;

void PrintLine(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// A text the library made, released after it was copied.
std::string Taken(char* text, const char* none) {
    std::string copy = text ? text : none;
    std::free(text);
    return copy;
}

std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                       FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = buffer ? buffer : "";
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

// The property's line: its value as the info record gives it, or "error" when the name
// has no record with a value.
std::string PropertyLine(QPersistent* object, const std::string& name) {
    QPropInfo* info = GETPROPINFO(object, name.c_str());
    std::string line = name + ": " + (info && info->Value ? info->Value : "error");
    if (info) {
        std::free(info->TypeName);
        std::free(info->Items);
        std::free(info->Value);
        std::free(info->Editor);
        std::free(info);
    }
    return line;
}

void __stdcall ButtonClick(QFrame*) {
    PrintLine("button clicked");
}

void __stdcall FormCreate(QForm* form) {
    testStatic->SetParent(form);
    testButton->SetParent(form);
    testStatic->SetText("i am a static");
    testButton->SetText("click me");
    testButton->onClick = ButtonClick;
    form->SetVisible(true);
    testStatic->SetVisible(true);
    testButton->SetVisible(true);
}

void __stdcall FormClose(QForm* form, std::int32_t* action) {
    int answer = velpack::ShowMessageBox(form->Handle, "close for sure?", "Application",
                                         MB_YESNO | MB_ICONQUESTION);
    *action = answer == IDYES ? 1 : 0;
}

}  // namespace

void velpack::RunTestProgram() {
    QApplication* application = Application;
    if (!application) return;
    PrintLine("Application handle: " + std::to_string(reinterpret_cast<UINT_PTR>(application->Handle)));
    DWORD lastError = GetLastError();
    PrintLine("Last system error: " + std::to_string(lastError) + " " + SystemErrorText(lastError));
    QPropInfo* border = GETPROPINFO(application, "FormBorder");
    PrintLine("FormBorder: " + std::string(border && border->Items ? border->Items : "error"));

    testStatic = new QStatic;
    testStatic->SetBounds(20, 20, 200, 20);
    testButton = new QButton;
    testButton->SetBounds(20, 60, 100, 30);
    QStringList names;
    names.SetText(Taken(GETPROPLIST(testStatic), ""));
    for (int i = 0; i < names.Count(); ++i) PrintLine(PropertyLine(testStatic, names.Item(i)));
    names.SaveToFile("test.txt");

    application->onFormCreate = FormCreate;
    application->onClose = FormClose;
    application->Text = "test";
    application->SetBounds(100, 100, 320, 180);
    application->CreateWnd();
    application->Run();
}
