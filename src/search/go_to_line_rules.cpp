#include "search/go_to_line_rules.h"

#include <algorithm>

namespace tavrin {

std::string LineCountCaption(std::optional<int> lineCount) {
    if (!lineCount) return "void lines";
    return "Max lines:" + std::to_string(*lineCount);
}

int ClampedLine(long long chosen, int lineCount) {
    long long last = std::max(1, lineCount);
    return static_cast<int>(std::clamp(chosen, 1LL, last));
}

}  // namespace tavrin
