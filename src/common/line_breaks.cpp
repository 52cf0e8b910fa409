#include "common/line_breaks.h"

#include "common/byte_words.h"

namespace tavrin {

const char* FindLineBreak(const char* p, const char* end) {
    using namespace bytewords;
    // Eight bytes at a time while none of them is below 14 (CR is 13, LF 10).
    while (end - p >= 8 && !HasByteBelow(Load8(p), 14)) p += 8;
    while (p < end && *p != '\n' && *p != '\r') ++p;
    return p;
}

}  // namespace tavrin
