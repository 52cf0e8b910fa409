// The go-to-line window's rules that need no window: the caption of its
// group and the line a chosen number goes to.
#pragma once

#include <optional>
#include <string>

namespace tavrin {

// "Max lines:%d" with the page's line count, or "void lines" without a code page.
std::string LineCountCaption(std::optional<int> lineCount);

// The line (from 1) that the chosen number goes to: clamped to the text's lines.
int ClampedLine(long long chosen, int lineCount);

}  // namespace tavrin
