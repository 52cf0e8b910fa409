// Reading and writing the numbers of property value texts.
#pragma once

#include <cstdint>
#include <string>

#include "packlib/api.h"

namespace velpack {

// Integer reading with the rules of FreeBASIC's VALINT: leading blanks and tabs skipped,
// an optional sign, then decimal digits or one of the prefixes "&H", "&O", "&B"; reading
// stops at the first character that does not belong; no digits give 0. Overflow wraps
// around to the low 32 bits.
VELPACK_API std::int32_t ReadInteger(const char* text);

// The same, taken as an unsigned 32-bit value (addresses and handles).
VELPACK_API std::uint32_t ReadAddress(const char* text);

// Floating-point reading with the rules of FreeBASIC's VAL (decimal mantissa, optional
// exponent with "e" or "d"; the "&" prefixes read as integers).
VELPACK_API double ReadNumber(const char* text);

// ReadNumber rounded to the nearest integer with halves to even, limited to the
// 32-bit range.
VELPACK_API std::int32_t ReadRounded(const char* text);

// Rounds to the nearest integer, halves to even, limited to the 32-bit range.
VELPACK_API std::int32_t RoundHalfEven(double value);

VELPACK_API std::string SignedText(std::int32_t value);
VELPACK_API std::string UnsignedText(std::uint32_t value);

// A double in the form of FreeBASIC's Str: up to 15 significant digits, no trailing
// zeros or point, exponent form for very large or small values.
VELPACK_API std::string DoubleText(double value);

}  // namespace velpack
