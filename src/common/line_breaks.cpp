#include "common/line_breaks.h"

#include <cstdint>
#include <cstring>

namespace tavrin {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace

const char* FindLineBreak(const char* p, const char* end) {
    // Eight bytes at a time while none of them is below 14 (CR is 13, LF 10).
    while (end - p >= 8 && !((Load8(p) - kOnes * 14) & ~Load8(p) & kHighs)) p += 8;
    while (p < end && *p != '\n' && *p != '\r') ++p;
    return p;
}

}  // namespace tavrin
