#include "languages/language_runtime.h"

#include <algorithm>

#include "languages/base_language.h"
#include "languages/window_components.h"
#include "ui/form_window.h"
#include "ui/window_hooks.h"

namespace tavrin {

LanguageRuntime::LanguageRuntime(std::function<std::vector<FormWindow*>()> windows) : windows_(std::move(windows)) {}

LanguageRuntime::~LanguageRuntime() {
    if (!installed_) return;
    SharedWindowHooks().formCreated = nullptr;
    SharedWindowHooks().menuOpening = nullptr;
}

void LanguageRuntime::Install() {
    installed_ = true;
    SharedWindowHooks().formCreated = [this](FormWindow& window) { WindowCreated(window); };
    SharedWindowHooks().menuOpening = [this](HWND window, HMENU menu) { MenuOpening(window, menu); };
}

void LanguageRuntime::ForgetGoneWindows() {
    // A window created later counts while it lives: its handle still exists and is bound to it.
    created_.erase(std::remove_if(created_.begin(), created_.end(),
                                  [](const LiveWindow& live) {
                                      return !IsWindow(live.handle) ||
                                             GetWindowLongPtrA(live.handle, GWLP_USERDATA) !=
                                                 reinterpret_cast<LONG_PTR>(static_cast<BoundWindow*>(live.window));
                                  }),
                   created_.end());
}

std::vector<FormWindow*> LanguageRuntime::AllWindows() {
    std::vector<FormWindow*> windows = windows_ ? windows_() : std::vector<FormWindow*>();
    ForgetGoneWindows();
    for (const LiveWindow& live : created_)
        if (std::find(windows.begin(), windows.end(), live.window) == windows.end()) windows.push_back(live.window);
    return windows;
}

void LanguageRuntime::Apply(const std::string& path) {
    active_ = path.empty() ? LanguageFile{} : ReadLanguageFile(path);
    activePath_ = path;
    for (FormWindow* window : AllWindows()) {
        PublishedWindow published = PublishWindow(*window);
        RestoreBaseTexts(published);
        ApplyLanguageTo(active_, published);
    }
}

std::vector<PublishedWindow> LanguageRuntime::Publish() const {
    std::vector<PublishedWindow> published;
    if (windows_)
        for (FormWindow* window : windows_()) published.push_back(PublishWindow(*window));
    return published;
}

std::vector<std::string> LanguageRuntime::BaseLines() const {
    std::vector<std::string> lines = BaseLanguageLines(Publish());
    if (!onDemandWindows) return lines;
    return MergeBaseLines(std::move(lines), BaseLanguageLines(onDemandWindows()));
}

void LanguageRuntime::WindowCreated(FormWindow& window) {
    ForgetGoneWindows();
    created_.push_back({window.Handle(), &window, window.Name()});
    if (HasLanguage()) ApplyLanguageTo(active_, PublishWindow(window));
}

void LanguageRuntime::MenuOpening(HWND window, HMENU menu) {
    if (!HasLanguage()) return;
    HWND root = GetAncestor(window, GA_ROOT);
    if (windows_)
        for (FormWindow* known : windows_())
            if (known->Handle() == root) {
                ApplyLanguageTo(active_, PublishPopupMenu(known->Name(), menu));
                return;
            }
    for (const LiveWindow& live : created_)
        if (live.handle == root && IsWindow(root)) {
            ApplyLanguageTo(active_, PublishPopupMenu(live.name, menu));
            return;
        }
}

}  // namespace tavrin
