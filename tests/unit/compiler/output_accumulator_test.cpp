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

TEST(OutputAccumulator, NulBytesAreKeptWithTheRestOfTheirLine) {
    using namespace std::string_literals;
    OutputAccumulator output;
    output.Append("a.bas(1) error 1: x\0y\r\nb.bas"s);
    output.Append("(2) error 2: \0\0z\r\n"s);
    EXPECT_EQ(output.Text().size(), 46u);
    EXPECT_EQ(output.Lines(),
              (std::vector<std::string>{"a.bas(1) error 1: x\0y"s, "b.bas(2) error 2: \0\0z"s}));
}

TEST(OutputAccumulator, AppendLineStartsItsOwnLine) {
    OutputAccumulator output;
    output.AppendLine("first");
    output.Append("open");
    output.AppendLine("stopped");
    EXPECT_EQ(output.Text(), "first\r\nopen\r\nstopped\r\n");
}

// Output far beyond the limits: the head and the tail stay, as whole lines,
// with one line in between that counts the bytes dropped; the memory used
// stays within the limits whatever the chunking.
TEST(OutputAccumulator, LongOutputKeepsHeadAndTailAndSaysWhatWasDropped) {
    constexpr size_t kHead = 4096, kTail = 8192;
    std::string text;
    for (int i = 0; text.size() < 300000; ++i) {
        text += "line " + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
        if (i == 5000) text += "middle.bas(1) ERROR 4: only here\r";
    }
    text += "last line without break";
    for (size_t chunkSize : {size_t(1), size_t(255), size_t(7919), text.size()}) {
        OutputAccumulator output(kHead, kTail);
        for (size_t at = 0; at < text.size(); at += chunkSize)
            output.Append(std::string_view(text).substr(at, chunkSize));
        const std::string& kept = output.Text();
        EXPECT_EQ(output.TotalBytes(), text.size());
        EXPECT_TRUE(output.HasErrors()) << "the dropped middle still counts";
        EXPECT_LT(kept.size(), kHead + kTail + std::max<size_t>(kTail / 2, 4096) + 64);

        std::string head = text.substr(0, kHead);
        head.erase(head.find_last_of("\r\n") + 1);
        ASSERT_EQ(kept.compare(0, head.size(), head), 0) << chunkSize;
        std::string dropped = OutputAccumulator::DroppedLine(output.DroppedBytes()) + "\r\n";
        ASSERT_EQ(kept.compare(head.size(), dropped.size(), dropped), 0)
            << kept.substr(head.size(), 80);
        std::string tail = kept.substr(head.size() + dropped.size());
        EXPECT_GE(tail.size(), kTail - 20);
        EXPECT_EQ(text.compare(text.size() - tail.size(), tail.size(), tail), 0)
            << "the tail is the end of the output";
        char before = text[text.size() - tail.size() - 1];
        EXPECT_TRUE(before == '\n' || before == '\r') << "the tail begins a line";
        EXPECT_EQ(output.DroppedBytes(), text.size() - head.size() - tail.size());
        EXPECT_EQ(output.Lines().back(), "last line without break");
        EXPECT_EQ(output.Lines()[SplitLines(head).size()],
                  OutputAccumulator::DroppedLine(output.DroppedBytes()));
        EXPECT_EQ(output.Tail(9), "out break");
    }
}

TEST(OutputAccumulator, LinesWithoutBreaksAreCutRatherThanLost) {
    OutputAccumulator output(100, 100);
    output.Append(std::string(50000, 'x'));
    const std::vector<std::string>& lines = output.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(100, 'x'));
    EXPECT_EQ(lines[1], OutputAccumulator::DroppedLine(output.DroppedBytes()));
    EXPECT_EQ(output.DroppedBytes(), 50000u - 100 - lines[2].size());
    EXPECT_GE(lines[2].size(), 100u);

    // Output within the limits is kept whole, with no dropped line.
    output.Clear();
    output.Append(std::string(150, 'y') + "\r\n");
    output.Append("z");
    EXPECT_EQ(output.DroppedBytes(), 0u);
    EXPECT_EQ(output.Lines(), (std::vector<std::string>{std::string(150, 'y'), "z"}));
    EXPECT_EQ(output.Tail(3), "\r\nz");
}

}  // namespace tavrin
