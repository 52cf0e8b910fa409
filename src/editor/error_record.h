// TError: one line of a code page marked by a compiler message, with the
// colours the line is painted in. Colours are 0x00BBGGRR, or 0xFF0000nn for
// the system colour number nn.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tavrin {

// The colours of marked lines, in one place for the editor and the compiler's
// message parser.
inline constexpr std::uint32_t kWindowBackground = 0xFF000005;
inline constexpr std::uint32_t kWindowText = 0xFF000008;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kAqua = 0xFFFF00;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

class TError {
public:
    std::uint8_t Kind() const { return kind_; }
    // 0 error (red on window background), 1 warning (window text on yellow),
    // 2 (window text on aqua), 3 (window colours); other kinds keep the colours.
    void SetKind(std::uint8_t kind);

    int Line = 0;  // counted from 1
    std::uint32_t Foreground = 0;
    std::uint32_t Background = 0;

private:
    std::uint8_t kind_ = 0;
};

struct LineColours {
    std::uint32_t foreground;
    std::uint32_t background;
};

// The colours of a line (from 1): those of the last error naming it, or none.
std::optional<LineColours> ColoursOfLine(const std::vector<std::unique_ptr<TError>>& errors, int line);

}  // namespace tavrin
