// A form window for tests whose messages go first to a handler the test sets
// (one that throws, for instance); a message the handler leaves (nullopt)
// gets the form's own handling.
#pragma once

#include <functional>
#include <optional>

#include "ui/form_window.h"

namespace tavrin::test {

class ProbeForm : public FormWindow {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wp, LPARAM lp)>;

    ProbeForm() : FormWindow("TProbeForm", "ProbeForm", "Probe") {}
    Handler handler;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override {
        if (handler)
            if (std::optional<LRESULT> result = handler(message, wp, lp)) return *result;
        return FormWindow::HandleMessage(message, wp, lp);
    }
};

}  // namespace tavrin::test
