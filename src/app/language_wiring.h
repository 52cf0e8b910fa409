// The languages' part of start-up: the language chosen last ("ActiveLang" in
// the settings) applied again to every window as it is created, the
// languages window's link to the workbench, and the "Languages" command.
#pragma once

namespace tavrin {

class LanguageRuntime;
struct LanguagesHost;

LanguageRuntime& TheLanguageRuntime();

// Before the windows are created: listens to their creation and chooses the
// language the settings name (a file that moved with the application folder
// is found in its "Languages" folder).
void StartLanguages();

// What a languages window needs of the workbench.
LanguagesHost MakeLanguagesHost();

// The main window's "Languages" command: a fresh languages window, shown modally.
void WireLanguages();

}  // namespace tavrin
