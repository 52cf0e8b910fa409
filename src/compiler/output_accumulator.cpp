#include "compiler/output_accumulator.h"

#include "common/text.h"

#include <algorithm>

namespace tavrin {

namespace {
constexpr std::string_view kErrorWord = "error";
}

void OutputAccumulator::Clear() {
    text_.clear();
    lines_.clear();
    lastLineOpen_ = false;
    pendingCarriageReturn_ = false;
    hasErrors_ = false;
}

void OutputAccumulator::Append(std::string_view chunk) {
    if (chunk.empty()) return;
    size_t oldSize = text_.size();
    text_.append(chunk);

    if (!hasErrors_) {
        // The word may straddle the boundary: look again at the last few old bytes.
        size_t from = oldSize >= kErrorWord.size() - 1 ? oldSize - (kErrorWord.size() - 1) : 0;
        std::string window = ToLower(std::string_view(text_).substr(from));
        hasErrors_ = window.find(kErrorWord) != std::string::npos;
    }

    size_t i = 0;
    if (pendingCarriageReturn_ && chunk[0] == '\n') i = 1;  // second half of a CR LF
    pendingCarriageReturn_ = false;
    while (i < chunk.size()) {
        size_t end = chunk.find_first_of("\r\n", i);
        std::string_view piece = chunk.substr(i, end == std::string_view::npos ? chunk.size() - i
                                                                               : end - i);
        if (lastLineOpen_) {
            lines_.back().append(piece);
        } else if (!piece.empty() || end != std::string_view::npos) {
            lines_.emplace_back(piece);
        }
        if (end == std::string_view::npos) {
            lastLineOpen_ = true;
            break;
        }
        lastLineOpen_ = false;
        i = end + 1;
        if (chunk[end] == '\r') {
            if (i < chunk.size()) {
                if (chunk[i] == '\n') ++i;
            } else {
                pendingCarriageReturn_ = true;
            }
        }
    }
}

std::string_view OutputAccumulator::Tail(size_t maxBytes) const {
    std::string_view text(text_);
    return text.substr(text.size() - std::min(maxBytes, text.size()));
}

}  // namespace tavrin
