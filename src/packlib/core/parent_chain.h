// Walks up the Parent links of frames and menus, which must never close into a loop.
#pragma once

namespace velpack {

// Whether the target is met going up the Parent links from start (start included).
template <class T>
bool OnParentChain(const T* start, const T* target) {
    // Bounded: a chain longer than this can only be a loop made some other way.
    constexpr int kMaxDepth = 100000;
    int depth = 0;
    for (const T* up = start; up && depth < kMaxDepth; up = up->Parent, ++depth)
        if (up == target) return true;
    return false;
}

}  // namespace velpack
