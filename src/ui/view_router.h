// Routes the clicks in a shared window's gutter to the subsystem whose view the
// window shows. Several subsystems put their views into the result window
// (the compiler's output, the include database's type list, scanner reports,
// result lines naming files): each registers once, activates its view when it
// puts it up, and receives the clicks only while its view is the one shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavrin {

class ViewRouter {
public:
    using ClickHandler = std::function<void(int line)>;
    using ViewId = int;
    static constexpr ViewId kNoView = -1;

    // Registers a view; no view is active until one is activated.
    ViewId Register(const std::string& name, ClickHandler handler);
    // The view now shown in the window; false when there is no such view.
    bool Activate(ViewId view);
    bool Activate(const std::string& name);
    ViewId Active() const { return active_; }
    const std::string& ActiveName() const;
    // A click on the line (from 0): handled by the active view, if any.
    void Click(int line) const;

private:
    struct View {
        std::string name;
        ClickHandler handler;
    };
    std::vector<View> views_;
    ViewId active_ = kNoView;
};

}  // namespace tavrin
