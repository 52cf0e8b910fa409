#include "designer/container_rules.h"

#include "common/text.h"

namespace tavrin {

std::uint32_t HostWindowStyle(const std::string& hostClass, std::uint32_t previousStyle) {
    if (EqualsNoCase(hostClass, "qgroupbox")) return 7;    // group box
    if (EqualsNoCase(hostClass, "qcheckbox")) return 2;    // check box
    if (EqualsNoCase(hostClass, "qradiobutton")) return 4; // radio button
    return previousStyle;
}

bool HostAcceptsControls(const std::string& hostClass) {
    return EqualsNoCase(hostClass, "qgroupbox") || EqualsNoCase(hostClass, "qpanel");
}

std::intptr_t MouseFilterResult(unsigned message, std::intptr_t procedureResult) {
    if (message == kHitTestMessage) return kHitTransparent;
    if (message >= kFirstMouseMessage && message <= kLastMouseMessage) return 1;
    return procedureResult;
}

}  // namespace tavrin
