#include "editor/error_record.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(ErrorRecord, KindSetsBothColoursAndUnknownKindsKeepThem) {
    TError error;
    error.SetKind(0);
    EXPECT_EQ(error.Background, 0x0000FFu);
    EXPECT_EQ(error.Foreground, kWindowBackground);
    error.SetKind(2);
    EXPECT_EQ(error.Background, 0xFFFF00u);
    EXPECT_EQ(error.Foreground, kWindowText);
    error.SetKind(1);
    EXPECT_EQ(error.Background, 0x00FFFFu);
    error.SetKind(7);
    EXPECT_EQ(error.Kind(), 7);
    EXPECT_EQ(error.Background, 0x00FFFFu) << "an unknown kind changes no colour";
    error.SetKind(3);
    EXPECT_EQ(error.Background, kWindowBackground);
    EXPECT_EQ(error.Foreground, kWindowText);
}

TEST(ErrorRecord, TheLastErrorOfALineDecidesItsColours) {
    std::vector<std::unique_ptr<TError>> errors;
    auto add = [&](int line, std::uint32_t fg, std::uint32_t bg) {
        auto error = std::make_unique<TError>();
        error->Line = line;
        error->Foreground = fg;
        error->Background = bg;
        errors.push_back(std::move(error));
    };
    add(4, 0xFFFFFF, 0x0000FF);
    add(9, 0x000000, 0x00FFFF);
    add(4, 0x000000, 0x00FFFF);
    errors.push_back(nullptr);
    auto colours = ColoursOfLine(errors, 4);
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->background, 0x00FFFFu);
    EXPECT_EQ(colours->foreground, 0x000000u);
    EXPECT_FALSE(ColoursOfLine(errors, 5));
}

}  // namespace
}  // namespace tavrin
