#include "compiler/message_location.h"

#include "common/text.h"

#include <algorithm>

namespace tavrin {

namespace {

struct ParenPair {
    size_t open = std::string_view::npos;
    size_t close = std::string_view::npos;
};

// The first ")" after the first "(" (the plain reading of a message).
ParenPair FirstPair(std::string_view line) {
    ParenPair pair;
    pair.open = line.find('(');
    if (pair.open != std::string_view::npos) pair.close = line.find(')', pair.open + 1);
    return pair;
}

MessageLocation LocationOf(std::string_view line, ParenPair pair) {
    MessageLocation location;
    if (pair.open == std::string_view::npos) return location;
    location.file = std::string(line.substr(0, pair.open));
    if (pair.close == std::string_view::npos) return location;
    long long number = 0;
    std::string_view inside = line.substr(pair.open + 1, pair.close - pair.open - 1);
    location.numberText = std::string(inside);
    if (ParseInt(inside, number)) {
        location.line = number;
        location.lineValid = true;
    }
    return location;
}

size_t MessageTextStart(std::string_view line) {
    std::string lower = ToLower(line);
    size_t start = std::min(lower.find("error "), lower.find("warning "));
    if (start == std::string::npos) start = lower.find("error");
    return start == std::string::npos ? line.size() : start;
}

// The last "(" ... ")" pair (innermost on nesting) that closes before `limit`.
ParenPair LastPairBefore(std::string_view line, size_t limit) {
    ParenPair pair;
    size_t close = line.substr(0, limit).rfind(')');
    if (close == std::string_view::npos) return pair;
    size_t open = line.substr(0, close).rfind('(');
    if (open == std::string_view::npos) return pair;
    pair.open = open;
    pair.close = close;
    return pair;
}

}  // namespace

MessageLocation FindMessageLocation(std::string_view line,
                                    const std::function<bool(const std::string&)>& fileExists) {
    ParenPair first = FirstPair(line);
    MessageLocation plain = LocationOf(line, first);
    if (plain.lineValid && fileExists(plain.file)) return plain;

    ParenPair last = LastPairBefore(line, MessageTextStart(line));
    if (last.open == std::string_view::npos || last.open == first.open) return plain;
    MessageLocation located = LocationOf(line, last);
    if (located.lineValid || fileExists(located.file)) return located;
    return plain;
}

long long LeadingNumber(std::string_view text) {
    text = Trim(text);
    size_t digits = 0;
    size_t sign = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    while (sign + digits < text.size() && text[sign + digits] >= '0' &&
           text[sign + digits] <= '9' && digits < 18)
        ++digits;
    long long value = 0;
    if (digits == 0 || !ParseInt(text.substr(0, sign + digits), value)) return 0;
    return value;
}

}  // namespace tavrin
