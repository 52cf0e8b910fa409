#include "packlib/text/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velpack {
namespace {

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

int DigitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    return digit >= 0 && digit < base ? digit : -1;
}

// Reads digits of the base; wraps around in unsigned arithmetic.
std::uint64_t ReadDigits(const char* p, int base) {
    std::uint64_t value = 0;
    for (int digit; (digit = DigitValue(*p, base)) >= 0; ++p)
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    return value;
}

// Reads a "&H", "&O" or "&B" number at p (p at the "&"); false when p holds none.
bool ReadPrefixed(const char* p, std::uint64_t& value) {
    if (p[0] != '&') return false;
    int base = 0;
    switch (p[1]) {
        case 'h': case 'H': base = 16; break;
        case 'o': case 'O': base = 8; break;
        case 'b': case 'B': base = 2; break;
        default: return false;
    }
    value = ReadDigits(p + 2, base);
    return true;
}

std::uint64_t ReadWrapped(const char* text) {
    if (!text) return 0;
    const char* p = SkipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::uint64_t value = 0;
    if (!ReadPrefixed(p, value)) value = ReadDigits(p, 10);
    return negative ? 0 - value : value;
}

}  // namespace

std::int32_t ReadInteger(const char* text) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadWrapped(text)));
}

std::uint32_t ReadAddress(const char* text) {
    return static_cast<std::uint32_t>(ReadWrapped(text));
}

double ReadNumber(const char* text) {
    if (!text) return 0;
    const char* p = SkipBlanks(text);
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    std::uint64_t prefixed = 0;
    if (ReadPrefixed(p, prefixed)) {
        double value = static_cast<double>(static_cast<std::int32_t>(prefixed));
        return *start == '-' ? -value : value;
    }
    // Copy the part that makes a number ("d" exponents become "e") and let strtod read it.
    std::string number(start, p);
    bool digits = false;
    while (*p >= '0' && *p <= '9') { number += *p++; digits = true; }
    if (*p == '.') {
        number += *p++;
        while (*p >= '0' && *p <= '9') { number += *p++; digits = true; }
    }
    if (!digits) return 0;
    if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
        std::string exponent = "e";
        const char* q = p + 1;
        if (*q == '+' || *q == '-') exponent += *q++;
        bool expDigits = false;
        while (*q >= '0' && *q <= '9') { exponent += *q++; expDigits = true; }
        if (expDigits) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (rounded >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (rounded <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t ReadRounded(const char* text) {
    return RoundHalfEven(ReadNumber(text));
}

std::string SignedText(std::int32_t value) {
    return std::to_string(value);
}

std::string UnsignedText(std::uint32_t value) {
    return std::to_string(value);
}

std::string DoubleText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    // Exponents are written with at least two digits on every C runtime ("1e+20").
    std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::size_t digits = e + 2;
        while (text.size() - digits > 2 && text[digits] == '0') text.erase(digits, 1);
    }
    return text;
}

}  // namespace velpack
