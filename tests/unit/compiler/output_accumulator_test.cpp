#include "compiler/output_accumulator.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <random>

namespace tavrin {

namespace {
// Feeds the text in pieces of the given sizes (cycled) and checks the result
// against splitting and searching the whole text after every piece.
void ExpectSameAsWholeText(const std::string& text, const std::vector<size_t>& sizes) {
    OutputAccumulator output;
    size_t position = 0, step = 0;
    while (position < text.size()) {
        size_t size = std::min(sizes[step++ % sizes.size()], text.size() - position);
        output.Append(std::string_view(text).substr(position, size));
        position += size;
        std::string_view sofar = std::string_view(text).substr(0, position);
        ASSERT_EQ(output.Text(), sofar);
        ASSERT_EQ(output.Lines(), SplitLines(sofar)) << "after " << position << " bytes";
        ASSERT_EQ(output.HasErrors(), ToLower(sofar).find("error") != std::string::npos);
    }
}
}  // namespace

TEST(OutputAccumulator, LinesMatchSplittingTheWholeTextForEveryChunking) {
    const std::string text =
        "a.bas(3) error 41: x\r\n\r\n    print y\r\n          ^\r\nlone cr\rlf\n\nEr"
        "ROR tail\r";
    for (size_t size = 1; size <= text.size(); ++size) ExpectSameAsWholeText(text, {size});
    ExpectSameAsWholeText(text, {3, 1, 7, 2});
}

TEST(OutputAccumulator, RandomTextsAndChunks) {
    std::mt19937 random(7);
    const char alphabet[] = "erorERO\r\n x(1)";
    for (int round = 0; round < 200; ++round) {
        std::string text(random() % 60, ' ');
        for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
        std::vector<size_t> sizes;
        for (int i = 0; i < 5; ++i) sizes.push_back(1 + random() % 9);
        ExpectSameAsWholeText(text, sizes);
    }
}

TEST(OutputAccumulator, ErrorWordSplitAcrossChunksAndTail) {
    OutputAccumulator output;
    output.Append("fine. Er");
    EXPECT_FALSE(output.HasErrors());
    output.Append("r");
    output.Append("O");
    EXPECT_FALSE(output.HasErrors());
    output.Append("r!");
    EXPECT_TRUE(output.HasErrors());
    EXPECT_EQ(output.Tail(3), "Or!");
    EXPECT_EQ(output.Tail(100), "fine. ErrOr!");
    output.Clear();
    EXPECT_FALSE(output.HasErrors());
    EXPECT_TRUE(output.Lines().empty());
    EXPECT_EQ(output.Tail(5), "");
}

}  // namespace tavrin
