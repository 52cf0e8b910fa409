// Hooks through which a higher layer hears of every workbench window: a form
// window was created (its controls exist), a pop-up menu of a bound window
// is about to open (after the window's own handling). The languages use them
// to translate windows and menus made after a language was chosen.
#pragma once

#include <windows.h>

#include <functional>

namespace tavrin {

class FormWindow;

struct WindowHooks {
    std::function<void(FormWindow& window)> formCreated;
    std::function<void(HWND window, HMENU menu)> menuOpening;
};

WindowHooks& SharedWindowHooks();

// Tool windows that want the dialog keys (Tab between controls, Enter for
// the default button, Escape for Cancel) while they are modeless.
void EnableDialogKeys(HWND window);
// For the message loop: true when the message was such a key of such a window.
bool HandleDialogKeys(MSG& message);

}  // namespace tavrin
