// Eight bytes at a time: the word tricks that fast text searches use (find a
// byte among eight without looking at each).
#pragma once

#include <cstdint>
#include <cstring>

namespace tavrin::bytewords {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ull;
inline constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// The eight bytes at p (any alignment).
inline std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Non-zero when one of the eight bytes is zero.
inline std::uint64_t HasZeroByte(std::uint64_t word) { return (word - kOnes) & ~word & kHighs; }

// Non-zero when one of the eight bytes is below limit (limit at most 128).
inline std::uint64_t HasByteBelow(std::uint64_t word, unsigned limit) {
    return (word - kOnes * limit) & ~word & kHighs;
}

// 0x80 in each byte of word that equals value, 0 in the others (exact: no
// borrow runs from one byte into the next).
inline std::uint64_t EqualBytes(std::uint64_t word, unsigned char value) {
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Full;
    std::uint64_t x = word ^ (kOnes * value);
    return ~(((x & kLows) + kLows) | x | kLows);
}

// The number of bytes marked (0x80) in a mask of EqualBytes.
inline unsigned ByteCount(std::uint64_t mask) { return static_cast<unsigned>(((mask >> 7) * kOnes) >> 56); }

}  // namespace tavrin::bytewords
