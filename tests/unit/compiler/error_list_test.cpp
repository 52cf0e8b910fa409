#include "compiler/error_list.h"
#include "compiler/message_location.h"

#include "support/recording_error_marks.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tavrin {

using test::RecordedPage;
using test::RecordingErrorMarks;

namespace {
std::vector<long long> MarkedLines(const RecordedPage& page) {
    std::vector<long long> lines;
    for (const ErrorMark& mark : page.marks) lines.push_back(mark.line);
    return lines;
}
}  // namespace

class ErrorListTest : public testing::Test {
protected:
    test::TempFolder folder;
    RecordingErrorMarks pages;
    TDebugger errors{pages};
    std::string main = folder.Write("My Project/app (v2)/main.bas", "x\n");
    std::string unit = folder.Write("unit.bi", "y\n");
};

TEST_F(ErrorListTest, ErrorLineMarksRedWithWhiteTextAndBothGutters) {
    RecordedPage& page = pages.AddPage(main);
    errors.Lines = {"", main + "(12) error 41: Variable not declared, y",
                    "    print y", "          ^"};
    errors.ParseOutput();
    ASSERT_EQ(page.marks.size(), 1u);
    EXPECT_EQ(page.marks[0].line, 12);
    EXPECT_EQ(page.marks[0].kind, ErrorKind::Error);
    EXPECT_EQ(page.marks[0].background, 255u);
    EXPECT_EQ(page.marks[0].foreground, 0xFFFFFFu);
    EXPECT_EQ(page.gutterMarks, (std::vector<long long>{12}));
    EXPECT_EQ(pages.resultGutterMarks, (std::vector<int>{1}));
    EXPECT_EQ(errors.ErrorLines(), (std::vector<std::string>{errors.Lines[1]}));
    EXPECT_EQ(pages.currentDocument, &page);
    EXPECT_TRUE(pages.opened.empty());
}

TEST_F(ErrorListTest, KindCarriesAcrossLinesAndErrorInsideLongerWordMarks) {
    RecordedPage& page = pages.AddPage(main);
    errors.Lines = {
        main + "(3) warning 4(1): Suspicious pointer assignment",
        // "errors" has no blank after it: the kind stays warning, but the line
        // holds "error", so it is marked (in warning colours).
        main + "(5) too many errors, exiting",
        main + "(7) error 1: Argument count mismatch",
        main + "(9) see above: TERRORS",
    };
    errors.ParseOutput();
    EXPECT_EQ(MarkedLines(page), (std::vector<long long>{5, 7, 9}));
    EXPECT_EQ(page.marks[0].kind, ErrorKind::Warning);
    EXPECT_EQ(page.marks[0].background, 0xFFFFu);
    EXPECT_EQ(page.marks[0].foreground, 0u);
    EXPECT_EQ(page.marks[1].kind, ErrorKind::Error);
    EXPECT_EQ(page.marks[2].kind, ErrorKind::Error);  // carried from line 2
    EXPECT_EQ(pages.resultGutterMarks, (std::vector<int>{1, 2, 3}));
}

TEST_F(ErrorListTest, NeitherKindBeforeAnyMessageKeepsNormalColours) {
    RecordedPage& page = pages.AddPage(main);
    errors.Lines = {main + "(4): errorlevel set"};
    errors.ParseOutput();
    ASSERT_EQ(page.marks.size(), 1u);
    EXPECT_EQ(page.marks[0].kind, ErrorKind::Neither);
    EXPECT_EQ(page.marks[0].background, 0xFF000005u);
    EXPECT_EQ(page.marks[0].foreground, 0xFF000008u);
}

TEST_F(ErrorListTest, MissingFilesInvalidNumbersAndWarningsLeaveNoMark) {
    RecordedPage& page = pages.AddPage(main);
    errors.Lines = {
        folder.Path("gone.bas") + "(2) error 1: x",
        main + "(abc) error 2: x",
        main + "(6) warning 3(2): x",
        "error: File not found, \"nothing.bas\"",
        "   ",
    };
    errors.ParseOutput();
    EXPECT_TRUE(page.marks.empty());
    EXPECT_TRUE(errors.ErrorLines().empty());
    EXPECT_TRUE(pages.resultGutterMarks.empty());
    EXPECT_TRUE(pages.opened.empty());
}

TEST_F(ErrorListTest, SameMessageTwiceRecordedOnceMarkedTwice) {
    RecordedPage& page = pages.AddPage(main);
    std::string message = main + "(8) error 10: Expected '='";
    errors.Lines = {message, "  " + message + "\t"};
    errors.ParseOutput();
    EXPECT_EQ(MarkedLines(page), (std::vector<long long>{8, 8}));
    EXPECT_EQ(page.gutterMarks.size(), 2u);
    EXPECT_EQ(pages.resultGutterMarks, (std::vector<int>{0, 1}));
    EXPECT_EQ(errors.ErrorLines(), (std::vector<std::string>{message}));
}

TEST_F(ErrorListTest, FileWithoutPageIsOpenedAndMarked) {
    errors.Lines = {unit + "(2) error 3: Expected End-of-Line"};
    errors.ParseOutput();
    ASSERT_EQ(pages.opened, (std::vector<std::string>{unit}));
    EXPECT_EQ(MarkedLines(pages.pages.back()), (std::vector<long long>{2}));
}

TEST_F(ErrorListTest, MultipleFileInstancesSendsMarksToTheLaterPage) {
    RecordedPage& first = pages.AddPage(main);
    pages.AddPage(unit);
    RecordedPage& second = pages.AddPage(main);
    errors.Lines = {main + "(1) error 1: x"};
    errors.ParseOutput();
    EXPECT_EQ(first.marks.size(), 1u);
    EXPECT_TRUE(second.marks.empty());

    first.marks.clear();
    pages.multipleFileInstances = true;
    errors.ParseOutput();
    EXPECT_TRUE(first.marks.empty());
    EXPECT_EQ(second.marks.size(), 1u);
    EXPECT_EQ(pages.active, &second);
}

TEST_F(ErrorListTest, FindPageIgnoresCaseAndEmptyPath) {
    pages.AddPage("C:\\A\\Main.bas");
    EXPECT_EQ(errors.FindPage("c:\\a\\MAIN.BAS"), pages.PageAt(0));
    EXPECT_EQ(errors.FindPage(""), nullptr);
    EXPECT_EQ(errors.FindPage("C:\\A\\Main.bi"), nullptr);
}

TEST_F(ErrorListTest, ClearErrorsEmptiesErrorLinesAndNotifies) {
    RecordedPage& page = pages.AddPage(main);
    errors.Lines = {main + "(2) error 1: x"};
    errors.ParseOutput();
    int cleared = 0;
    errors.OnClear = [&] { ++cleared; };
    errors.ClearErrors();
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(errors.ErrorLines().empty());
    EXPECT_TRUE(page.marks.empty());  // it was the active page
    errors.ParseOutput();
    EXPECT_EQ(errors.ErrorLines().size(), 1u) << "recorded again after clearing";
}

TEST_F(ErrorListTest, JumpToMessageMovesToTheLineOfThePage) {
    RecordedPage& page = pages.AddPage(main);
    errors.JumpToMessage(main + "(12) error 41: x in 'f(3)'");
    EXPECT_EQ(page.jumpedTo, 12);
    errors.JumpToMessage(main + "(7b) error");
    EXPECT_EQ(page.jumpedTo, 7) << "the leading number of the text between the parentheses";
    errors.JumpToMessage("");
    EXPECT_TRUE(pages.opened.empty());
    errors.JumpToMessage("notes.txt(4) error");
    EXPECT_EQ(pages.opened, (std::vector<std::string>{"notes.txt"}));
    EXPECT_EQ(pages.pages.back().jumpedTo, 4);
}

TEST(MessageLocation, ParenthesesInFolderNamesAndMessages) {
    auto exists = [](const std::string& path) {
        return path == "C:\\app (v2)\\main.bas" || path == "C:\\copy (3)\\m.bas" ||
               path == "C:\\p\\a.bas";
    };
    MessageLocation plain = FindMessageLocation("C:\\p\\a.bas(4) error 1: f(9)", exists);
    EXPECT_EQ(plain.file, "C:\\p\\a.bas");
    EXPECT_EQ(plain.line, 4);

    MessageLocation folder =
        FindMessageLocation("C:\\app (v2)\\main.bas(12) warning 4(1): x (5)", exists);
    EXPECT_EQ(folder.file, "C:\\app (v2)\\main.bas");
    EXPECT_EQ(folder.line, 12);
    EXPECT_TRUE(folder.lineValid);

    // The first pair holds a number but names no file: the last pair wins.
    MessageLocation numbered = FindMessageLocation("C:\\copy (3)\\m.bas(5) error 2: y", exists);
    EXPECT_EQ(numbered.file, "C:\\copy (3)\\m.bas");
    EXPECT_EQ(numbered.line, 5);

    MessageLocation none = FindMessageLocation("Compiling main.bas", exists);
    EXPECT_EQ(none.file, "");
    EXPECT_FALSE(none.lineValid);
    MessageLocation unclosed = FindMessageLocation("C:\\p\\a.bas(4 error", exists);
    EXPECT_EQ(unclosed.file, "C:\\p\\a.bas");
    EXPECT_FALSE(unclosed.lineValid);
}

TEST(MessageLocation, LeadingNumberReadsLikeVal) {
    EXPECT_EQ(LeadingNumber(" 12) error"), 12);
    EXPECT_EQ(LeadingNumber("-3x"), -3);
    EXPECT_EQ(LeadingNumber("x3"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999999"), 999999999999999999);
}

}  // namespace tavrin
