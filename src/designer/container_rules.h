// The rules of a component container that need no window: the window style
// its live window takes from the host class, and what the mouse filter of a
// live window answers.
#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

// The style bits a live window of the host class gets (besides the child
// style): the group-box, check-box and radio-button styles of a system button
// for the pack classes that build on it; any other class keeps the previous style.
std::uint32_t HostWindowStyle(const std::string& hostClass, std::uint32_t previousStyle);

// Whether a live window of the host class holds other components (a group
// box or a panel): components can be placed into its container.
bool HostAcceptsControls(const std::string& hostClass);

// The first and last mouse message number (mouse-move to mouse-wheel).
inline constexpr unsigned kFirstMouseMessage = 512;
inline constexpr unsigned kLastMouseMessage = 522;
inline constexpr unsigned kHitTestMessage = 0x0084;
inline constexpr std::intptr_t kHitTransparent = -1;

// What a live window's mouse filter returns after its own procedure answered:
// "transparent" for the hit test, so the mouse goes to the container beneath;
// 1 for mouse messages; otherwise the procedure's answer.
std::intptr_t MouseFilterResult(unsigned message, std::intptr_t procedureResult);

}  // namespace tavrin
