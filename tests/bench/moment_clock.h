// The clock and printing of the timed tools that watch the workbench from
// outside: a millisecond clock and one moment of a run ("-" when not seen).
#pragma once

#include <windows.h>

#include <cstdio>

namespace bench {

// Milliseconds on the performance counter (its origin is arbitrary).
inline double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Prints " label ms", or " label -" for a moment that was not seen (-1).
inline void PrintMoment(const char* label, double ms) {
    if (ms < 0) std::printf(" %s -", label);
    else std::printf(" %s %.0f", label, ms);
}

}  // namespace bench
