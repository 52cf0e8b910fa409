// A small modal input box: caption, prompt, an edit field, OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace tavrin {

// Returns true on OK with the edited text in value.
bool ShowInputBox(HWND owner, const std::string& caption, const std::string& prompt,
                  std::string& value);

}  // namespace tavrin
