// The safety net for unsaved work, wired into the running workbench: the
// autosave of unsaved pages into this run's recovery session, the offer of
// pages kept by a run that ended without its clean end (after the first
// showing), the removal of this run's copies at the clean end, and the fatal
// error handler's access to the pages and to the last command.
#pragma once

namespace tavrin {

// Call after StartWorkbench, before the message loop.
void StartSafetyNet();

}  // namespace tavrin
