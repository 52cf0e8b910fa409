#include "search/search_session.h"

#include <gtest/gtest.h>

#include <deque>

#include "support/scripted_prompts.h"
#include "text_buffer.h"

namespace tavrin {
namespace {

using test::ScriptedPrompts;
using test::TextBuffer;

struct SessionTest : ::testing::Test {
    ScriptedPrompts prompts;
    TextBuffer editor{"one two one\r\nthree one\r\n"};
    SearchSession session;

    void SetUp() override { session.Attach(&editor); }

    // A confirmation that answers from the queue and records what it was asked about.
    void AnswerReplacements(std::deque<ReplaceAnswer> answers) {
        answers_ = std::move(answers);
        session.confirmReplace = [this](const std::string& found) {
            asked.push_back(editor.SelectionStart());
            EXPECT_EQ(found, editor.Selected());
            ReplaceAnswer answer = answers_.front();
            answers_.pop_front();
            return answer;
        };
    }
    std::vector<std::size_t> asked;

private:
    std::deque<ReplaceAnswer> answers_;
};

TEST_F(SessionTest, NothingFoundIsReportedAndClearsTheFlag) {
    session.lastSearchFound = true;
    EXPECT_EQ(session.Run("four", ""), 0);
    EXPECT_FALSE(session.lastSearchFound);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The four searching did not match any."}));
    EXPECT_TRUE(session.history.empty());
}

TEST_F(SessionTest, RepeatedSearchesWalkThroughTheWholeText) {
    // Attaching the editor cleared "From Cursor": the first run starts at the top.
    editor.Select(20, 20);
    std::vector<std::size_t> found;
    while (session.Run("one", "") == 1) found.push_back(editor.SelectionStart());
    EXPECT_EQ(found, (std::vector<std::size_t>{0, 8, 19}));
    EXPECT_FALSE(session.lastSearchFound);
    EXPECT_EQ(session.history, (std::vector<std::string>{"one"}));
    // The same text in other letters is not added to the history again.
    editor.Select(0, 0);
    session.Run("ONE", "");
    EXPECT_EQ(session.history, (std::vector<std::string>{"one"}));
    // Moving the caret away from the last occurrence starts again from the top.
    editor.Select(20, 20);
    EXPECT_EQ(session.Run("one", ""), 1);
    EXPECT_EQ(editor.SelectionStart(), 0u);
}

TEST_F(SessionTest, FromCursorBackwardAndCase) {
    session.options.fromCursor = true;
    editor.Select(5, 5);
    session.Run("one", "");
    EXPECT_EQ(editor.SelectionStart(), 8u);
    session.options.backward = true;
    session.Run("one", "");
    EXPECT_EQ(editor.SelectionStart(), 0u);
    EXPECT_EQ(editor.Caret(), 0u);  // backwards the caret stands before the occurrence
    session.options.backward = false;
    session.options.caseSensitive = true;
    editor.Select(0, 0);
    EXPECT_EQ(session.Run("ONE", ""), 0);
}

TEST_F(SessionTest, SelectedTextKeepsItsScopeAcrossRuns) {
    session.options.selectedOnly = true;
    editor.Select(4, 18);  // "two one\r\nthree"
    EXPECT_EQ(session.Run("one", ""), 1);
    EXPECT_EQ(editor.SelectionStart(), 8u);
    // The selection is now the occurrence, but the scope stays the first selection.
    EXPECT_EQ(session.Run("one", ""), 0);
    // Still inside the first selection: the "t" of "three" after the occurrence.
    EXPECT_EQ(session.Run("t", ""), 1);
    EXPECT_EQ(editor.SelectionStart(), 13u);
}

TEST_F(SessionTest, OptionsStayForTheSameEditorAndAnotherEditorClearsThem) {
    session.options = {true, true, true, true, true, true};
    session.Attach(&editor);
    EXPECT_TRUE(session.options.wholeWord && session.options.caseSensitive && session.options.fromCursor &&
                session.options.selectedOnly && session.options.regex);
    TextBuffer other("one");
    session.Attach(&other);
    EXPECT_FALSE(session.options.wholeWord || session.options.caseSensitive || session.options.fromCursor ||
                 session.options.selectedOnly || session.options.regex);
    EXPECT_TRUE(session.options.backward);  // the direction is no option box
    EXPECT_EQ(session.Editor(), &other);
}

TEST_F(SessionTest, ReplaceReplacesTheShownOccurrenceAndShowsTheNext) {
    session.findOnly = false;
    session.Run("one", "");  // shows the first
    session.lastAction = SearchAction::Replace;
    EXPECT_EQ(session.Run("one", "1"), 1);
    EXPECT_EQ(editor.Content(), "1 two one\r\nthree one\r\n");
    EXPECT_EQ(editor.SelectionStart(), 6u);
    EXPECT_EQ(editor.Selected(), "one");
    session.Run("one", "1");
    session.Run("one", "1");
    EXPECT_EQ(editor.Content(), "1 two 1\r\nthree 1\r\n");
    EXPECT_EQ(session.Run("one", "1"), 0);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The one searching did not match any."}));
}

TEST_F(SessionTest, ReplaceAllAsksForEachOccurrence) {
    session.findOnly = false;
    session.lastAction = SearchAction::ReplaceAll;
    AnswerReplacements({ReplaceAnswer::No, ReplaceAnswer::Yes, ReplaceAnswer::No});
    EXPECT_EQ(session.Run("one", "eins"), 3);
    EXPECT_EQ(asked, (std::vector<std::size_t>{0, 8, 20}));
    EXPECT_EQ(editor.Content(), "one two eins\r\nthree one\r\n");
    EXPECT_TRUE(session.lastSearchFound);
    EXPECT_EQ(editor.openGroups, 0);
    EXPECT_EQ(editor.closedGroups, 1);  // one undo step
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SessionTest, YesToAllReplacesTheRestWithoutAsking) {
    editor = TextBuffer("a a a a a");
    session.findOnly = false;
    session.lastAction = SearchAction::ReplaceAll;
    AnswerReplacements({ReplaceAnswer::No, ReplaceAnswer::YesToAll});
    EXPECT_EQ(session.Run("a", "bb"), 5);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(editor.Content(), "a bb bb bb bb");
    EXPECT_EQ(editor.Caret(), editor.Content().size());
}

TEST_F(SessionTest, CancelStopsSilentlyKeepingWhatWasReplaced) {
    session.findOnly = false;
    session.lastAction = SearchAction::ReplaceAll;
    AnswerReplacements({ReplaceAnswer::Yes, ReplaceAnswer::Cancel});
    session.Run("one", "1");
    EXPECT_EQ(editor.Content(), "1 two one\r\nthree one\r\n");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SessionTest, RegexGroupsExpandInReplacements) {
    editor = TextBuffer("call foo(1)\ncall bar(22)\n");
    session.findOnly = false;
    session.options.regex = true;
    session.lastAction = SearchAction::ReplaceAll;
    EXPECT_EQ(session.Run("(\\w+)\\((\\d+)\\)", "$1[$2]"), 2);
    EXPECT_EQ(editor.Content(), "call foo[1]\ncall bar[22]\n");
    EXPECT_EQ(editor.closedGroups, 1);
}

TEST_F(SessionTest, AnInvalidExpressionChangesNothingAndSaysWhy) {
    session.findOnly = false;
    session.options.regex = true;
    session.lastAction = SearchAction::ReplaceAll;
    session.lastSearchFound = true;
    EXPECT_EQ(session.Run("one(", "x"), 0);
    EXPECT_EQ(editor.replacements, 0);
    EXPECT_FALSE(session.lastSearchFound);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Error);
    EXPECT_NE(prompts.shown[0].text.find("\"one(\" is not valid"), std::string::npos);
}

TEST_F(SessionTest, WithoutAnEditorARunDoesNothing) {
    session.Attach(nullptr);
    EXPECT_EQ(session.Run("one", ""), 0);
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace tavrin
