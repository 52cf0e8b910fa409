// The settings dialog's part of start-up: the main window's Settings
// command, which shows a fresh settings dialog modally over the settings
// object and the compiler driver, with the designer preview made at start.
#pragma once

namespace tavrin {

class TGlobalDesigner;

// Sets the Settings command. Runs once, after the windows were created and
// the build loop was wired.
void WireSettingsDialog();

// The preview made at start (null before the wiring).
TGlobalDesigner* DesignerPreview();

}  // namespace tavrin
