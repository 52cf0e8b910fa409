// The resource script end to end, in two runs around the resource compiler:
//   write <folder>: makes a bitmap, an icon, a cursor, raw data, a manifest
//     and a designed dialog (read back from its code) into resource items and
//     writes their script to <folder>/app.rc;
//   load <file.res>: finds every resource in the compiled file and creates
//     the dialog from its template, checking its caption and each control's
//     text, class and position in dialog units.
// Prints what is wrong and ends with 1; ends with 0 when all is right.
#include <windows.h>
// The system's headers may name a function CreateDialog too.
#ifdef CreateDialog
#undef CreateDialog
#endif

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "common/string_list.h"
#include "common/text.h"
#include "editor/line_document.h"
#include "resources/dialog_import.h"
#include "resources/resource_script.h"
#include "support/picture_files.h"

namespace tavrin {
namespace {

int failures = 0;

void Fail(const std::string& what) {
    std::printf("FAILED: %s\n", what.c_str());
    ++failures;
}

void Expect(bool condition, const std::string& what) {
    if (!condition) Fail(what);
}

constexpr const char* kCaption = "Say \"hi\" to all";
// 52 letters 312 pixels wide and 13 high: x and width in dialog units are
// pixels * 4 / 6, y and height pixels * 8 / 13.
constexpr DialogUnitsFont kFont{312, 13};

constexpr const char* kPage =
    "type QShowcase extends QForm\n"
    "   Button1 as QButton\n"
    "   Panel1 as QPanel\n"
    "   Label1 as QLabel\n"
    "   MainMenu1 as QMainMenu\n"
    "   File1 as QMenu\n"
    "   Quit1 as QMenu\n"
    "   declare constructor\n"
    "end type\n"
    "constructor QShowcase\n"
    "this.SetBounds(30,52,330,260)\n"
    "Caption=\"Say \"\"hi\"\" to all\"\n"
    "Button1.SetBounds(12,26,90,39)\n"
    "Panel1.SetBounds(120,13,180,130)\n"
    "Label1.SetBounds(6,39,60,26)\n"
    "File1.Caption=\"&File\"\n"
    "Quit1.Caption=\"&Quit\"\n"
    "Quit1.CommandID=900\n"
    "MainMenu1.Add(@File1)\n"
    "File1.Add(@Quit1)\n"
    "end constructor\n";

class ShowcaseFacts : public DialogWindowFacts {
public:
    WindowFacts Dialog() const override {
        return {0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME, ""};
    }
    WindowFacts Component(const ComponentDesign& component) const override {
        const uint32_t child = WS_CHILD | WS_VISIBLE;
        if (component.name == "Button1") return {101, child | WS_TABSTOP, 0, ""};
        if (component.name == "Panel1") return {102, child, WS_EX_CLIENTEDGE, ""};
        return {103, child, 0, "Panel1"};
    }
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

int WriteScript(const std::string& folder) {
    WriteFile(folder + "/logo.bmp", test::BitmapFile());
    WriteFile(folder + "/app.ico", test::IconFile());
    WriteFile(folder + "/hand.cur", test::IconFile(true));
    WriteFile(folder + "/app.manifest",
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
              "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"/>\r\n");
    WriteFile(folder + "/app.xp", "<assembly/>");
    WriteFile(folder + "/rawdata.txt", "\r\nRAWDATA RCDATA\r\nBEGIN\r\n  \"raw bytes\\0\"\r\nEND\r\n");
    // The raw text also carries the manifest in: a MANIFEST item writes no line.
    WriteFile(folder + "/manifest.txt", "1 24 \"" + folder + "/app.manifest\"");

    ResourceItems items;
    for (const char* name : {"logo.bmp", "app.ico", "hand.cur", "rawdata.txt", "app.xp", "manifest.txt"})
        items.AddResource(folder + "/" + name, nullptr, 10);

    VectorLineDocument page;
    page.SetText(kPage);
    std::optional<DialogResource> dialog = ReadDialogResource(page, "Showcase", "QForm", ShowcaseFacts{});
    if (!dialog) {
        Fail("the page's dialog was not read");
        return 1;
    }
    int designed = 0;
    DialogImport import;
    import.Import({&designed, &designed}, items, [&](const void*) {
        return DialogText{dialog->name, DialogResourceText(*dialog, kFont)};
    });
    std::string script = ScriptText(GenerateScript(items));
    WriteFile(folder + "/app.rc", script);
    std::printf("%s", script.c_str());
    return failures ? 1 : 0;
}

// One resource of a compiled resource file.
struct Resource {
    std::string type;  // "#<number>" or the name
    std::string name;
    std::string data;
};

std::string ReadIdOrName(const std::string& bytes, size_t& at) {
    auto word = [&](size_t position) {
        return static_cast<uint16_t>(static_cast<unsigned char>(bytes[position]) |
                                     static_cast<unsigned char>(bytes[position + 1]) << 8);
    };
    if (word(at) == 0xFFFF) {
        std::string id = "#" + std::to_string(word(at + 2));
        at += 4;
        return id;
    }
    std::string name;
    for (; word(at) != 0; at += 2) name += static_cast<char>(word(at));
    at += 2;
    return name;
}

std::vector<Resource> ReadResFile(const std::string& bytes) {
    std::vector<Resource> resources;
    size_t at = 0;
    auto dword = [&](size_t position) {
        uint32_t value = 0;
        std::memcpy(&value, bytes.data() + position, 4);
        return value;
    };
    while (at + 32 <= bytes.size()) {
        uint32_t dataSize = dword(at), headerSize = dword(at + 4);
        if (headerSize < 32 || at + headerSize + dataSize > bytes.size()) {
            Fail("a damaged resource header");
            break;
        }
        size_t field = at + 8;
        Resource resource;
        resource.type = ReadIdOrName(bytes, field);
        resource.name = ReadIdOrName(bytes, field);
        resource.data = bytes.substr(at + headerSize, dataSize);
        if (dataSize) resources.push_back(std::move(resource));
        at = (at + headerSize + dataSize + 3) & ~size_t(3);
    }
    return resources;
}

const Resource* FindResource(const std::vector<Resource>& resources, const std::string& type, const std::string& name) {
    for (const Resource& resource : resources)
        if (resource.type == type && EqualsNoCase(resource.name, name)) return &resource;
    return nullptr;
}

struct ExpectedControl {
    int id;
    const char* text;
    const char* className;
    RECT units;  // left, top, right, bottom in dialog units
};

// The pixels of the page converted with kFont (Label1 moved by the panel's place).
const ExpectedControl kControls[] = {
    {101, "Button1", "QButton", {8, 16, 8 + 60, 16 + 24}},
    {102, "Panel1", "QPanel", {80, 8, 80 + 120, 8 + 80}},
    {103, "Label1", "QLabel", {84, 32, 84 + 40, 32 + 16}},
};

void CheckDialog(HWND dialog) {
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof text);
    Expect(std::string(text) == kCaption, std::string("the caption reads ") + text);
    LONG style = GetWindowLongA(dialog, GWL_STYLE);
    Expect((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU), "the dialog's style");
    for (const ExpectedControl& expected : kControls) {
        HWND control = GetDlgItem(dialog, expected.id);
        if (!control) {
            Fail("no control " + std::string(expected.text));
            continue;
        }
        GetWindowTextA(control, text, sizeof text);
        Expect(std::string(text) == expected.text, std::string("control text ") + text);
        GetClassNameA(control, text, sizeof text);
        Expect(EqualsNoCase(text, expected.className), std::string("control class ") + text);
        RECT wanted = expected.units;
        MapDialogRect(dialog, &wanted);
        RECT actual{};
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        Expect(EqualRect(&wanted, &actual) != 0,
               std::string(expected.text) + " stands at " + std::to_string(actual.left) + "," +
                   std::to_string(actual.top) + "-" + std::to_string(actual.right) + "," +
                   std::to_string(actual.bottom) + " instead of " + std::to_string(wanted.left) + "," +
                   std::to_string(wanted.top) + "-" + std::to_string(wanted.right) + "," +
                   std::to_string(wanted.bottom));
    }
    if (GetWindowLongA(GetDlgItem(dialog, 102), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) return;
    Fail("the panel lost its extended style");
}

bool dialogChecked = false;

INT_PTR CALLBACK ShowcaseProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    CheckDialog(dialog);
    dialogChecked = true;
    EndDialog(dialog, 1);
    return TRUE;
}

void RegisterPackClasses() {
    for (const char* name : {"QButton", "QPanel", "QLabel"}) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
}

int LoadCompiled(const std::string& resFile) {
    std::string bytes;
    if (ReadWholeFile(resFile, bytes) != FileReadStatus::Ok) {
        Fail("cannot read " + resFile);
        return 1;
    }
    std::vector<Resource> resources = ReadResFile(bytes);
    Expect(FindResource(resources, "#2", "logo"), "the bitmap");
    Expect(FindResource(resources, "#14", "app"), "the icon group");
    Expect(FindResource(resources, "#12", "hand"), "the cursor group");
    Expect(FindResource(resources, "#3", "#1") || FindResource(resources, "#3", "#2"), "the icon's picture");
    Expect(FindResource(resources, "#24", "#1"), "the manifest");
    Expect(FindResource(resources, "#4", "MainMenu1"), "the dialog's menu");
    const Resource* raw = FindResource(resources, "#10", "RAWDATA");
    Expect(raw && raw->data == std::string("raw bytes\0", 10), "the raw data");
    const Resource* dialog = FindResource(resources, "#5", "Showcase");
    if (!dialog) {
        Fail("no dialog Showcase");
        return 1;
    }
    const Resource* bitmap = FindResource(resources, "#2", "logo");
    Expect(bitmap && bitmap->data == test::BitmapFile().substr(14), "the bitmap's bits");

    RegisterPackClasses();
    std::vector<uint32_t> aligned(dialog->data.size() / 4 + 1);
    std::memcpy(aligned.data(), dialog->data.data(), dialog->data.size());
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(aligned.data()), nullptr,
                                             ShowcaseProc, 0);
    Expect(result == 1 && dialogChecked, "the dialog could not be created from its template");
    std::printf("%d resources, %s\n", static_cast<int>(resources.size()), failures ? "failed" : "all right");
    return failures ? 1 : 0;
}

}  // namespace
}  // namespace tavrin

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "write") == 0) return tavrin::WriteScript(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "load") == 0) return tavrin::LoadCompiled(argv[2]);
    std::printf("usage: resource_script_tool write <folder> | load <file.res>\n");
    return 2;
}
