#include "ui/view_router.h"

namespace tavrin {

ViewRouter::ViewId ViewRouter::Register(const std::string& name, ClickHandler handler) {
    views_.push_back({name, std::move(handler)});
    return static_cast<ViewId>(views_.size()) - 1;
}

bool ViewRouter::Activate(ViewId view) {
    if (view < 0 || view >= static_cast<ViewId>(views_.size())) return false;
    active_ = view;
    return true;
}

bool ViewRouter::Activate(const std::string& name) {
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i].name == name) return Activate(static_cast<ViewId>(i));
    return false;
}

const std::string& ViewRouter::ActiveName() const {
    static const std::string none;
    return active_ == kNoView ? none : views_[active_].name;
}

void ViewRouter::Click(int line) const {
    if (active_ == kNoView) return;
    const ClickHandler& handler = views_[active_].handler;
    if (handler) handler(line);
}

}  // namespace tavrin
