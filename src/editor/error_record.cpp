#include "editor/error_record.h"

namespace tavrin {

void TError::SetKind(std::uint8_t kind) {
    kind_ = kind;
    switch (kind) {
    case 0: Background = kRed; Foreground = kWindowBackground; break;
    case 1: Background = kYellow; Foreground = kWindowText; break;
    case 2: Background = kAqua; Foreground = kWindowText; break;
    case 3: Background = kWindowBackground; Foreground = kWindowText; break;
    default: break;
    }
}

std::optional<LineColours> ColoursOfLine(const std::vector<std::unique_ptr<TError>>& errors, int line) {
    std::optional<LineColours> colours;
    for (const auto& error : errors)
        if (error && error->Line == line) colours = LineColours{error->Foreground, error->Background};
    return colours;
}

}  // namespace tavrin
