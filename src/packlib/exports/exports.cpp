// The library's exported entry points: the property protocol, the class registration
// texts and the services for user programs. Every entry catches what it calls: nothing
// is thrown across the library boundary.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "packlib/core/object.h"
#include "packlib/exports/entry_points.h"
#include "packlib/exports/messagebox.h"
#include "packlib/lists/qstringlist.h"
#include "packlib/text/textutils.h"

namespace {

const char kStandards[] =
    "Standards:QStatic,QImage,QButton,QCheckBox,QRadioButton,QGroupBox,QEdit,QComboBox,"
    "QListBox,QScrollBar";
const char kMenus[] = "Standards:QMainMenu,QPopupMenu";

HWND mainWindowCell = nullptr;

// FreeBASIC's string descriptor: characters, length, allocated size.
struct FbString {
    char* data;
    std::int32_t length;
    std::int32_t size;
};

const char* FbText(const FbString* text) {
    return text && text->data ? text->data : "";
}

// A descriptor for a text result. The library never frees it; its length carries no
// temporary mark, so FreeBASIC code copies the text instead of releasing the block.
FbString* NewFbString(const std::string& text) {
    auto* result = static_cast<FbString*>(std::calloc(1, sizeof(FbString)));
    if (!result) return nullptr;
    result->data = velpack::NewText(text);
    result->length = result->data ? static_cast<std::int32_t>(text.size()) : 0;
    result->size = result->length + 1;
    return result;
}

BOOL CALLBACK FindMainWindow(HWND window, LPARAM) {
    if (GetWindowLongA(window, GWL_EXSTYLE) != 0) {
        mainWindowCell = window;
        return FALSE;  // the first window with an extended style serves
    }
    return TRUE;
}

std::string ProgramFileName() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ExtractFileName(path);
}

}  // namespace

extern "C" {

char* __stdcall GETPROPLIST(QPersistent* object) {
    if (!object) return nullptr;
    try {
        return object->GetPropList();
    } catch (...) {
        return nullptr;
    }
}

QPropInfo* __stdcall GETPROPINFO(QPersistent* object, const char* name) {
    try {
        QStringList names;
        char* list = GETPROPLIST(object);
        names.SetText(list ? list : "");
        std::free(list);
        if (name && names.IndexOf(name) < 0) return nullptr;
        if (!object) return nullptr;
        std::string copy = name ? name : "";
        return object->GetPropInfo(copy);
    } catch (...) {
        return nullptr;
    }
}

char* __stdcall GETPROPVALUE(QPersistent* object, const char* name) {
    if (!object) return nullptr;
    try {
        std::string copy = name ? name : "";
        return object->GetPropValue(copy);
    } catch (...) {
        return nullptr;
    }
}

int __stdcall SETPROPVALUE(QPersistent* object, const char* name, const char* value) {
    if (!object) return 0;
    try {
        std::string copy = name ? name : "";
        return object->SetPropValue(copy, value ? value : "") ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

char* __stdcall REGISTER() {
    return velpack::NewText(kStandards);
}

char* __stdcall VERSION() {
    return velpack::NewText("freebasic package");
}

char* __stdcall StandardsRegisterComponents() {
    return velpack::NewText(kStandards);
}

char* __stdcall MenusRegisterComponents() {
    return velpack::NewText(kMenus);
}

HWND __stdcall MAINWINDOW() {
    EnumThreadWindows(GetCurrentThreadId(), FindMainWindow, 0);
    return mainWindowCell;
}

void __stdcall SHOWMESSAGE(const FbString* message) {
    std::string caption = ProgramFileName();
    velpack::ShowMessageBox(MAINWINDOW(), FbText(message), caption.c_str(), MB_OK | MB_TOPMOST);
}

int __stdcall MESSAGEDLG(const FbString* message, const FbString* caption, unsigned flags) {
    return velpack::ShowMessageBox(MAINWINDOW(), FbText(message), FbText(caption),
                                   flags | MB_TOPMOST);
}

FbString* __stdcall SYSERRORMESSAGE(DWORD code) {
    // The whole message is fetched and then cut to 200 characters (a fixed buffer would
    // make a longer message fail altogether).
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&buffer),
        0, nullptr);
    std::string text = buffer ? std::string(buffer, length > 200 ? 200 : length) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return NewFbString(text);
}

FbString* __stdcall CLASSNAMEIS(HWND window) {
    char name[256] = {};
    int length = window ? GetClassNameA(window, name, 256) : 0;
    return NewFbString(std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

void __stdcall DEBUG(const FbString* text) {
    std::fputs(FbText(text), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

}  // extern "C"
