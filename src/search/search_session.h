// The search and replace of the find-and-replace window, without the window:
// the editor it works on, the five option boxes and the direction, replace
// mode, the last action, the history of searched texts and the flag
// LastSearchFound. A run searches, replaces one occurrence or replaces every
// occurrence with a question for each.
//
// Where a run starts: "From Cursor" starts at the caret; otherwise the first
// run covers the whole text (or the selection with "Selected Text") from its
// start, or from its end searching backwards, and a run that finds the
// occurrence the previous run selected still there goes on after it, so
// repeated runs walk through every occurrence.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "search/search_target.h"
#include "search/text_matcher.h"

namespace tavrin {

enum class SearchAction { Search = 0, Replace = 1, ReplaceAll = 2 };
enum class ReplaceAnswer { Yes, No, Cancel, YesToAll };

struct SearchBoxOptions {
    bool wholeWord = false;
    bool caseSensitive = false;
    bool fromCursor = true;
    bool selectedOnly = false;
    bool regex = false;
    bool backward = false;
};

class SearchSession {
public:
    SearchBoxOptions options;
    // Replace mode off: a run replaces with nothing and the replace controls are disabled.
    bool findOnly = true;
    SearchAction lastAction = SearchAction::Search;
    bool lastSearchFound = false;
    // Texts searched with success, oldest first.
    std::vector<std::string> history;
    // Asks whether to replace the occurrence that is selected; without it
    // every occurrence is replaced.
    std::function<ReplaceAnswer(const std::string& found)> confirmReplace;

    // Works on the editor from now on; another editor than the remembered
    // one clears the five option boxes. Null forgets the editor.
    void Attach(SearchTarget* editor);
    SearchTarget* Editor() const { return editor_; }

    // A run with the last action; returns how many occurrences it found.
    // Nothing found shows "The %s searching did not match any."; a regular
    // expression that does not compile shows why.
    int Run(const std::string& findText, const std::string& replaceText);

private:
    struct Range {
        std::size_t start = 0, end = 0;
    };
    Range Scope(std::string_view text);
    std::size_t StartPosition(Range scope) const;
    bool ContinuesLastMatch() const;
    TextMatch FindFrom(const TextMatcher& matcher, std::string_view text, Range scope,
                       std::size_t position) const;
    int SearchOnce(const TextMatcher& matcher);
    int ReplaceOnce(const TextMatcher& matcher, const std::string& replacement);
    int ReplaceEach(const TextMatcher& matcher, const std::string& replacement, bool& cancelled);
    // Replaces every occurrence in the range without asking, from the last to
    // the first; returns their number, moves the range's end and puts caret
    // after the last replacement (before the first one backwards).
    int ReplaceRest(const TextMatcher& matcher, const std::string& replacement, Range& range,
                    std::size_t& caret);
    void SelectMatch(TextMatch match);
    void Remember(const std::string& findText);

    SearchTarget* editor_ = nullptr;
    TextMatch lastMatch_;  // the occurrence the last run selected
    Range scope_;          // the selection a "Selected Text" search started in
    bool haveScope_ = false;
};

// "The %s searching did not match any."
std::string NotFoundText(const std::string& findText);

}  // namespace tavrin
