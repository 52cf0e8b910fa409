// The settings dialog's part of start-up: the designer preview made once and
// the main window's Settings command, which shows a fresh settings dialog
// modally over the settings object and the compiler driver.
#pragma once

namespace tavrin {

class TGlobalDesigner;

// Creates the designer preview and sets the Settings command. Runs once,
// after the build loop was wired.
void WireSettingsDialog();

// The preview made at start (null before).
TGlobalDesigner* DesignerPreview();

}  // namespace tavrin
