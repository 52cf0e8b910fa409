#include "ui/win32_prompts.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "ui/input_box.h"

namespace tavrin {

namespace {

std::string& TitleStorage() {
    static std::string title = "Tavrin2";
    return title;
}

// Turns "Name|*.a|Other|*.b" into the double-NUL-terminated form of the common dialogs.
std::vector<char> FilterBuffer(const std::string& filter) {
    std::vector<char> buffer(filter.begin(), filter.end());
    for (char& c : buffer)
        if (c == '|') c = '\0';
    buffer.push_back('\0');
    buffer.push_back('\0');
    return buffer;
}

// Splits a multi-selection answer ("folder\0name1\0name2\0\0" or a single path).
std::vector<std::string> SelectedFiles(const char* buffer) {
    std::vector<std::string> names;
    const char* p = buffer;
    while (*p) {
        names.emplace_back(p);
        p += names.back().size() + 1;
    }
    if (names.size() <= 1) return names;
    std::string folder = names.front();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    std::vector<std::string> files;
    for (size_t i = 1; i < names.size(); ++i) files.push_back(folder + names[i]);
    return files;
}

FileBoxResult RunFileBox(HWND owner, const FileBoxRequest& request, bool save) {
    std::vector<char> filter = FilterBuffer(request.filter);
    std::vector<char> file(64 * 1024, '\0');
    request.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.multiSelect) ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (save && request.confirmOverwrite) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!save) ofn.Flags |= OFN_FILEMUSTEXIST;
    FileBoxResult result;
    BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) return result;
    result.accepted = true;
    result.filterIndex = static_cast<int>(ofn.nFilterIndex);
    result.files = request.multiSelect ? SelectedFiles(file.data())
                                       : std::vector<std::string>{std::string(file.data())};
    return result;
}

}  // namespace

const char* ApplicationTitle() { return TitleStorage().c_str(); }
void SetApplicationTitle(const std::string& title) { TitleStorage() = title; }

HWND Win32Prompts::Owner() const {
    HWND owner = owner_ ? owner_() : nullptr;
    return owner ? owner : GetActiveWindow();
}

void Win32Prompts::Information(const std::string& text) {
    MessageBoxA(Owner(), text.c_str(), ApplicationTitle(), MB_OK | MB_ICONINFORMATION);
}

void Win32Prompts::Error(const std::string& text) {
    MessageBoxA(Owner(), text.c_str(), ApplicationTitle(), MB_OK | MB_ICONERROR);
}

Answer Win32Prompts::ConfirmYesNo(const std::string& text) {
    int r = MessageBoxA(Owner(), text.c_str(), ApplicationTitle(), MB_YESNO | MB_ICONQUESTION);
    return r == IDYES ? Answer::Yes : Answer::No;
}

Answer Win32Prompts::ConfirmYesNoCancel(const std::string& text) {
    int r = MessageBoxA(Owner(), text.c_str(), ApplicationTitle(), MB_YESNOCANCEL | MB_ICONQUESTION);
    return r == IDYES ? Answer::Yes : r == IDNO ? Answer::No : Answer::Cancel;
}

FileBoxResult Win32Prompts::OpenFile(const FileBoxRequest& request) {
    return RunFileBox(Owner(), request, false);
}

FileBoxResult Win32Prompts::SaveFile(const FileBoxRequest& request) {
    return RunFileBox(Owner(), request, true);
}

bool Win32Prompts::ChooseFolder(const std::string& title, std::string& folder) {
    BROWSEINFOA info{};
    char display[MAX_PATH] = {};
    info.hwndOwner = Owner();
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return false;
    char path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListA(item, path) != FALSE;
    CoTaskMemFree(item);
    if (ok) folder = path;
    return ok;
}

bool Win32Prompts::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
    return ShowInputBox(Owner(), caption, prompt, value);
}

bool Win32Prompts::PickColor(unsigned& color) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = Owner();
    cc.rgbResult = color;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&cc)) return false;
    color = cc.rgbResult;
    return true;
}

bool Win32Prompts::PickFont(std::string& name, int& size) {
    LOGFONTA font{};
    HDC dc = GetDC(nullptr);
    font.lfHeight = -MulDiv(size, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    lstrcpynA(font.lfFaceName, name.c_str(), LF_FACESIZE);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = Owner();
    cf.lpLogFont = &font;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return false;
    name = font.lfFaceName;
    size = cf.iPointSize / 10;
    return true;
}

}  // namespace tavrin
