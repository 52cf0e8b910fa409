// The windows and pop-up menus the workbench makes only when asked for (the
// settings, alignment and tab order dialogs, the new component wizard, the
// pop-up menus of a dialog under design and of the resource editor), made
// hidden for a moment so that the base language file can list their texts.
#pragma once

#include <vector>

#include "designer/control_alignment.h"
#include "designer/dialog_window.h"
#include "designer/tab_order_dialog.h"
#include "languages/published_windows.h"
#include "wizard/new_class_window.h"
#include "workbench/settings_dialog.h"

namespace tavrin {

// Makes the windows, hidden, owned by the main window; they go when it goes.
class OnDemandWindows {
public:
    OnDemandWindows();
    OnDemandWindows(const OnDemandWindows&) = delete;
    OnDemandWindows& operator=(const OnDemandWindows&) = delete;

    // The windows, then the pop-up menus as the components of their windows
    // (every entry the menus can show: the resource editor's with GUI resources on).
    std::vector<PublishedWindow> Published();

    TSettings& Settings() { return settings_; }
    std::vector<FormWindow*> Windows() { return {&settings_, &alignment_, &tabOrder_, &wizard_}; }

private:
    bool verbose_ = false;
    TSettings settings_;
    TControlAlignment alignment_;
    TTabOrder tabOrder_;
    TNewClass wizard_;
    TDialog dialog_;
};

// Published() of windows made for the call and gone again when it returns.
std::vector<PublishedWindow> PublishOnDemandWindows();

}  // namespace tavrin
