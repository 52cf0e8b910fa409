#include "designer/alignment.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "designer/surface_geometry.h"

namespace tavrin {

namespace {

// The coordinate and the extent of a bounds along an axis.
int& Start(Bounds& b, AlignAxis axis) { return axis == AlignAxis::Horizontal ? b.left : b.top; }
int Extent(const Bounds& b, AlignAxis axis) { return axis == AlignAxis::Horizontal ? b.width : b.height; }
int StartOf(const Bounds& b, AlignAxis axis) { return axis == AlignAxis::Horizontal ? b.left : b.top; }

// numerator / denominator rounded to the nearest whole number, halves to even.
int RoundedQuotient(int numerator, int denominator) { return SnapToStep(numerator, denominator) / denominator; }

size_t NeededItems(AlignOperation operation) {
    switch (operation) {
    case AlignOperation::SidesToMinimum:
    case AlignOperation::SidesToMaximum:
    case AlignOperation::Centres: return 2;
    case AlignOperation::SpaceEqually: return 3;
    case AlignOperation::CentreInWindow: return 1;
    case AlignOperation::None: break;
    }
    return SIZE_MAX;
}

}  // namespace

AlignOperation AlignOperationOfItem(int index) {
    if (index < 0 || index > static_cast<int>(AlignOperation::CentreInWindow)) return AlignOperation::None;
    return static_cast<AlignOperation>(index);
}

bool AlignItems(std::vector<Bounds>& items, AlignOperation operation, AlignAxis axis, int parentExtent) {
    if (items.size() < NeededItems(operation)) return false;
    switch (operation) {
    case AlignOperation::SidesToMinimum: {
        int least = StartOf(*std::min_element(items.begin(), items.end(), [&](const Bounds& a, const Bounds& b) {
            return StartOf(a, axis) < StartOf(b, axis);
        }), axis);
        for (Bounds& b : items) Start(b, axis) = least;
        break;
    }
    case AlignOperation::SidesToMaximum: {
        int greatest = StartOf(items[0], axis) + Extent(items[0], axis);
        for (const Bounds& b : items) greatest = std::max(greatest, StartOf(b, axis) + Extent(b, axis));
        for (Bounds& b : items) Start(b, axis) = greatest - Extent(b, axis);
        break;
    }
    case AlignOperation::Centres: {
        int centre = StartOf(items[0], axis) + Extent(items[0], axis) / 2;
        for (Bounds& b : items) Start(b, axis) = centre - Extent(b, axis) / 2;
        break;
    }
    case AlignOperation::CentreInWindow:
        for (Bounds& b : items) Start(b, axis) = parentExtent / 2 - Extent(b, axis) / 2;
        break;
    case AlignOperation::SpaceEqually: {
        std::vector<size_t> order(items.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return StartOf(items[a], axis) < StartOf(items[b], axis);
        });
        int first = StartOf(items[order.front()], axis);
        int last = StartOf(items[order.back()], axis);
        int gaps = static_cast<int>(items.size()) - 1;
        for (int i = 1; i < gaps; ++i)
            Start(items[order[static_cast<size_t>(i)]], axis) = first + RoundedQuotient(i * (last - first), gaps);
        break;
    }
    case AlignOperation::None: return false;
    }
    return true;
}

Bounds AlignedToGrid(const Bounds& bounds, int xStep, int yStep) {
    return {SnapToStep(bounds.left, xStep), SnapToStep(bounds.top, yStep), bounds.width, bounds.height};
}

Bounds Nudged(const Bounds& bounds, ArrowDirection direction, bool resize) {
    Bounds b = bounds;
    int dx = direction == ArrowDirection::Right ? 1 : direction == ArrowDirection::Left ? -1 : 0;
    int dy = direction == ArrowDirection::Down ? 1 : direction == ArrowDirection::Up ? -1 : 0;
    if (resize) {
        b.width = std::max(0, b.width + dx);
        b.height = std::max(0, b.height + dy);
    } else {
        b.left += dx;
        b.top += dy;
    }
    return b;
}

}  // namespace tavrin
