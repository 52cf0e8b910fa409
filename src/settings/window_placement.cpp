#include "settings/window_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrin {

namespace {

// How much of the caption's width must show so that the window can be dragged.
constexpr long long kGrabWidth = 48;

// Bounds in 64-bit arithmetic: saved values may lie anywhere in the int range.
struct Box {
    long long left, top, width, height;
};

long long Overlap(long long begin, long long end, long long areaBegin, long long areaEnd) {
    return std::max(0LL, std::min(end, areaEnd) - std::max(begin, areaBegin));
}

bool CaptionShows(const Box& box, long long caption, const ScreenRect& area) {
    return box.top >= area.top && box.top + caption <= area.bottom &&
           Overlap(box.left, box.left + box.width, area.left, area.right) >= std::min(box.width, kGrabWidth);
}

// How far the caption strip lies from the area (0 when they meet).
double DistanceToCaption(const Box& box, long long caption, const ScreenRect& area) {
    double dx = static_cast<double>(std::max({0LL, area.left - (box.left + box.width), box.left - area.right}));
    double dy = static_cast<double>(std::max({0LL, area.top - (box.top + caption), box.top - area.bottom}));
    return std::hypot(dx, dy);
}

Box LimitedTo(Box box, const ScreenRect& area) {
    box.width = std::min<long long>(box.width, area.right - area.left);
    box.height = std::min<long long>(box.height, area.bottom - area.top);
    return box;
}

WindowBounds ToBounds(const Box& box) {
    return WindowBounds{static_cast<int>(box.left), static_cast<int>(box.top), static_cast<int>(box.width),
                        static_cast<int>(box.height)};
}

}  // namespace

WindowBounds PlaceOnDesktop(const WindowBounds& saved, const DesktopGeometry& desktop) {
    const long long caption = std::max(desktop.captionHeight, 1);
    const Box box{saved.left, saved.top, std::max<long long>(saved.width, kGrabWidth),
                  std::max<long long>(saved.height, caption)};

    const ScreenRect* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const ScreenRect& area : desktop.workAreas) {
        if (area.right <= area.left || area.bottom <= area.top) continue;
        Box limited = LimitedTo(box, area);
        if (CaptionShows(limited, caption, area)) return ToBounds(limited);
        double distance = DistanceToCaption(box, caption, area);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    if (!nearest) return saved;

    Box moved = LimitedTo(box, *nearest);
    moved.left = std::clamp<long long>(moved.left, nearest->left, nearest->right - moved.width);
    moved.top = std::clamp<long long>(moved.top, nearest->top, nearest->bottom - moved.height);
    return ToBounds(moved);
}

}  // namespace tavrin
