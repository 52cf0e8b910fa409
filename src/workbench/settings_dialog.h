// TSettings, the settings dialog: five tabs ("General", "Conditionals",
// "Dialect(s)", "Compiler", "Designer") over the settings object, the
// compiler driver's Verbose flag and the designer preview's hint kinds.
// Values are copied in when it is shown and back only by "OK" (a compiler
// chosen with "..." too); "Clear MRU List" and the hint boxes act at once.
#pragma once

#include <functional>
#include <string>

#include "ui/form_window.h"

namespace tavrin {

class TLauncher;
class TGlobalDesigner;

class TSettings : public FormWindow {
public:
    // Control identifiers (each control's command).
    enum Control {
        idTabs = 600, cbxCompilers, btnCompiler, cbxHelps, btnHelp, cbxPredefCtrls, cbxMultiInstances,
        cbxMinimizeonrun, cbxDisableonrun, cbxGUIResources, cbxLink, btnClearMRU, edMRUCount, udMRUCount,
        cbxCompletionProposal, lbxDirectories, btnDirs, btnDelDir, lbxFiles, btnFiles, btnDelFile,
        lbxDialects, btnAddDialect, btnEdit, cbxTarget, cbxVerbose, cbEnableOut, lblOutFile, edOutFile,
        cbxAutocreateForms, grpGeneral, edX, udX, edY, udY, cbxShowHints, cbxControl, cbxInsert, cbxMove,
        cbxSize,
    };
    static constexpr const char* kTabs[] = {"General", "Conditionals", "Dialect(s)", "Compiler", "Designer"};
    static constexpr const char* kClearMRUHint = "The operation can''t be undone...";
    static constexpr const char* kOutFileHint = ".$ - compiler default";

    // preview may be null (no preview on the "Designer" tab).
    TSettings(TLauncher& settings, bool& verbose, std::string applicationDirectory, TGlobalDesigner* preview);
    ~TSettings() override;

    // The designer's hint set changed (a sum of htControl, htSize, htMove, htInsert).
    std::function<void(int hints)> OnHints;

    HWND Item(Control id) const { return GetDlgItem(pages_[PageOf(id)], id); }
    HWND Page(int tab) const { return pages_[tab]; }
    void ShowTab(int tab);
    // Runs a control's command as its click would (for keys and tests).
    void Click(Control id);
    // The text of the last dialect file clicked, as the preview highlighter took it.
    const std::string& PreviewDialect() const { return previewDialect_; }

protected:
    DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT; }
    SIZE InitialSize() const override { return SIZE{470, 400}; }
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    static int PageOf(int id);
    HWND Add(int tab, const char* windowClass, const char* text, DWORD style, int x, int y, int width, int height,
             int id = -1, DWORD exStyle = 0);
    void CreateGeneralTab();
    void CreateConditionalsTab();
    void CreateDialectsTab();
    void CreateCompilerTab();
    void CreateDesignerTab();
    void AddHint(HWND control, const char* text);
    void CopyIn();
    void CopyBack();
    void ChooseCompiler();
    void ClearMRU();
    void AddDirectory();
    void AddFiles(Control list, const char* filter);
    void DeleteSelected(Control list, Control button);
    void DialectClicked();
    void SendHints();
    bool Checked(Control id) const;
    void SetChecked(Control id, bool checked);

    TLauncher& settings_;
    bool& verbose_;
    std::string applicationDirectory_;
    TGlobalDesigner* preview_;
    HWND tabs_ = nullptr;
    HWND pages_[5] = {};
    HWND tooltip_ = nullptr;
    std::string previewDialect_;
};

}  // namespace tavrin
