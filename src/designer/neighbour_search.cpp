#include "designer/neighbour_search.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace tavrin {
namespace {

// A rectangle seen with the direction turned to the right: "ahead" grows in
// the direction, "across" runs at right angles to it; centres doubled.
struct Span {
    long long nearAhead, farAhead, lowAcross, highAcross, centreAhead;
};

Span SpanOf(const Bounds& b, ArrowDirection direction) {
    long long l = b.left, t = b.top, r = b.Right(), d = b.Bottom();
    switch (direction) {
        case ArrowDirection::Right: return {l, r, t, d, 2 * l + b.width};
        case ArrowDirection::Left: return {-r, -l, t, d, -(2 * l + b.width)};
        case ArrowDirection::Down: return {t, d, l, r, 2 * t + b.height};
        case ArrowDirection::Up: return {-d, -t, l, r, -(2 * t + b.height)};
    }
    return {};
}

bool Overlap(const Bounds& a, const Bounds& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

long long Clamp(long long value, long long low, long long high) { return std::max(low, std::min(value, high)); }

}  // namespace

int FindNeighbour(const Bounds& current, const std::vector<Bounds>& candidates, ArrowDirection direction) {
    Span self = SpanOf(current, direction);
    // Doubled coordinates keep the middle of an odd edge whole.
    long long originAhead = 2 * self.farAhead;
    long long originAcross = self.lowAcross + self.highAcross;
    int best = -1;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (size_t i = 0; i < candidates.size(); ++i) {
        Span other = SpanOf(candidates[i], direction);
        long long nearestAhead = Clamp(originAhead, 2 * other.nearAhead, 2 * other.farAhead);
        long long nearestAcross = Clamp(originAcross, 2 * other.lowAcross, 2 * other.highAcross);
        long long ahead = nearestAhead - originAhead, across = nearestAcross - originAcross;
        if (other.nearAhead >= self.farAhead) {
            if (std::llabs(across) > ahead) continue;  // outside the 45-degree cone
        } else if (!Overlap(current, candidates[i]) || other.centreAhead <= self.centreAhead) {
            continue;  // beside or behind, or overlapping but not further that way
        }
        long long distance = ahead * ahead + across * across;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

}  // namespace tavrin
