// The language the workbench shows: chosen from a language file, applied to
// every window that exists, and then to every window created later and every
// pop-up menu as it opens. Changing the language first puts back the base
// texts, so that what the new file leaves out shows the base text again.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "languages/language_file.h"
#include "languages/published_windows.h"

namespace tavrin {

class FormWindow;

class LanguageRuntime {
public:
    // windows: the application's windows in creation order.
    explicit LanguageRuntime(std::function<std::vector<FormWindow*>()> windows);
    ~LanguageRuntime();
    LanguageRuntime(const LanguageRuntime&) = delete;
    LanguageRuntime& operator=(const LanguageRuntime&) = delete;

    // Listens to window creation and menu opening from now on.
    void Install();
    // Chooses the language of the file ("" or a missing file: the base
    // texts) and applies it to every window.
    void Apply(const std::string& path);
    const std::string& ActivePath() const { return activePath_; }
    bool HasLanguage() const { return !active_.sections.empty(); }

    std::vector<PublishedWindow> Publish() const;
    // The lines of the base file, from every window's base texts, then those
    // of the windows and pop-up menus made only on demand.
    std::vector<std::string> BaseLines() const;

    // The windows and pop-up menus the application makes only on demand,
    // each made for the moment and published (a menu under its owner
    // window's name); none when unset.
    std::function<std::vector<PublishedWindow>()> onDemandWindows;

    // The language selected last in the languages window.
    std::string currentLanguage;

private:
    void WindowCreated(FormWindow& window);
    void MenuOpening(HWND window, HMENU menu);
    // The application's windows, then the live ones created later (fresh
    // instances of dialogs).
    std::vector<FormWindow*> AllWindows();
    void ForgetGoneWindows();

    struct LiveWindow {
        HWND handle;
        FormWindow* window;
        std::string name;
    };
    std::function<std::vector<FormWindow*>()> windows_;
    std::vector<LiveWindow> created_;
    LanguageFile active_;
    std::string activePath_;
    bool installed_ = false;
};

}  // namespace tavrin
