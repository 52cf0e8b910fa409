#include "search/search_session.h"

#include <algorithm>
#include <memory>

#include "common/prompts.h"
#include "common/text.h"

namespace tavrin {

namespace {

// Keeps the editor's changes of one run together for its undo.
class ChangeGroup {
public:
    explicit ChangeGroup(SearchTarget& editor) : editor_(editor) { editor_.BeginChanges(); }
    ~ChangeGroup() { editor_.EndChanges(); }
    ChangeGroup(const ChangeGroup&) = delete;
    ChangeGroup& operator=(const ChangeGroup&) = delete;

private:
    SearchTarget& editor_;
};

std::size_t Moved(std::size_t position, std::size_t removed, std::size_t inserted) {
    return position + inserted - removed;
}

}  // namespace

std::string NotFoundText(const std::string& findText) {
    return "The " + findText + " searching did not match any.";
}

void SearchSession::Attach(SearchTarget* editor) {
    if (editor != editor_) {
        options.wholeWord = options.caseSensitive = options.fromCursor = false;
        options.selectedOnly = options.regex = false;
        lastMatch_ = {};
        haveScope_ = false;
    }
    editor_ = editor;
}

int SearchSession::Run(const std::string& findText, const std::string& replaceText) {
    if (!editor_) return 0;
    const std::string replacement = findOnly ? std::string() : replaceText;
    std::unique_ptr<TextMatcher> matcher;
    try {
        matcher = std::make_unique<TextMatcher>(
            SearchPattern{findText, options.caseSensitive, options.wholeWord, options.regex});
    } catch (const SearchPatternError& error) {
        lastSearchFound = false;
        UserPrompts().Error(error.what());
        return 0;
    }
    bool cancelled = false;
    int found = 0;
    switch (lastAction) {
    case SearchAction::Search: found = SearchOnce(*matcher); break;
    case SearchAction::Replace: found = ReplaceOnce(*matcher, replacement); break;
    case SearchAction::ReplaceAll: found = ReplaceEach(*matcher, replacement, cancelled); break;
    }
    lastSearchFound = found > 0;
    if (found > 0) Remember(findText);
    else if (!cancelled) UserPrompts().Information(NotFoundText(findText));
    if (matcher->PassedOverLongLines())
        UserPrompts().Information("Lines longer than " + std::to_string(TextMatcher::kLongestRegexLine) +
                                  " characters were not searched with the regular expression.");
    return found;
}

bool SearchSession::ContinuesLastMatch() const {
    return lastMatch_.Found() && editor_->SelectionStart() == lastMatch_.start &&
           editor_->SelectionEnd() == lastMatch_.End();
}

SearchSession::Range SearchSession::Scope(std::string_view text) {
    const std::size_t size = text.size();
    if (!options.selectedOnly) {
        haveScope_ = false;
        return {0, size};
    }
    if (!(haveScope_ && ContinuesLastMatch())) {
        std::size_t start = editor_->SelectionStart(), end = editor_->SelectionEnd();
        haveScope_ = start < end;
        scope_ = haveScope_ ? Range{start, end} : Range{0, size};
    }
    return {std::min(scope_.start, size), std::min(scope_.end, size)};
}

std::size_t SearchSession::StartPosition(Range scope) const {
    std::size_t position;
    if (ContinuesLastMatch())
        position = options.backward ? lastMatch_.start : lastMatch_.End();
    else if (options.fromCursor)
        position = editor_->Caret();
    else
        position = options.backward ? scope.end : scope.start;
    return std::clamp(position, scope.start, scope.end);
}

TextMatch SearchSession::FindFrom(const TextMatcher& matcher, std::string_view text, Range scope,
                                  std::size_t position) const {
    position = std::clamp(position, scope.start, scope.end);
    return options.backward ? matcher.Previous(text, scope.start, position)
                            : matcher.Next(text, position, scope.end);
}

void SearchSession::SelectMatch(TextMatch match) {
    if (options.backward) editor_->Select(match.End(), match.start);
    else editor_->Select(match.start, match.End());
    lastMatch_ = match;
}

int SearchSession::SearchOnce(const TextMatcher& matcher) {
    std::string_view text = editor_->Text();
    Range scope = Scope(text);
    TextMatch match = FindFrom(matcher, text, scope, StartPosition(scope));
    if (!match.Found()) return 0;
    SelectMatch(match);
    return 1;
}

int SearchSession::ReplaceOnce(const TextMatcher& matcher, const std::string& replacement) {
    std::string_view text = editor_->Text();
    Range scope = Scope(text);
    // The selected occurrence (the one the last search showed) goes first.
    std::size_t selStart = editor_->SelectionStart(), selEnd = editor_->SelectionEnd();
    TextMatch target;
    if (selStart >= scope.start && selEnd <= scope.end && matcher.IsOccurrence(text, selStart, selEnd))
        target = {selStart, selEnd - selStart};
    else
        target = FindFrom(matcher, text, scope, StartPosition(scope));
    if (!target.Found()) return 0;
    const std::string with = matcher.Replacement(text, target, replacement);
    {
        ChangeGroup group(*editor_);
        editor_->Replace(target.start, target.End(), with);
    }
    scope.end = Moved(scope.end, target.length, with.size());
    if (haveScope_) scope_.end = scope.end;
    // Then the next occurrence is shown, ready for the next Replace.
    std::size_t after = options.backward ? target.start : target.start + with.size();
    TextMatch next = FindFrom(matcher, editor_->Text(), scope, after);
    if (next.Found()) {
        SelectMatch(next);
    } else {
        editor_->Select(after, after);
        lastMatch_ = {};
    }
    return 1;
}

int SearchSession::ReplaceEach(const TextMatcher& matcher, const std::string& replacement, bool& cancelled) {
    Range scope = Scope(editor_->Text());
    // Replacing every occurrence starts with the one that is selected.
    std::size_t position = ContinuesLastMatch() ? (options.backward ? lastMatch_.End() : lastMatch_.start)
                                                : StartPosition(scope);
    int count = 0;
    ChangeGroup group(*editor_);
    while (true) {
        std::string_view text = editor_->Text();
        TextMatch match = FindFrom(matcher, text, scope, position);
        if (!match.Found()) break;
        SelectMatch(match);
        ReplaceAnswer answer = confirmReplace
                                   ? confirmReplace(std::string(text.substr(match.start, match.length)))
                                   : ReplaceAnswer::YesToAll;
        if (answer == ReplaceAnswer::Cancel) {
            cancelled = true;
            ++count;
            break;
        }
        if (answer == ReplaceAnswer::No) {
            ++count;
            position = options.backward ? match.start : match.End();
            continue;
        }
        if (answer == ReplaceAnswer::YesToAll) {
            Range rest = options.backward ? Range{scope.start, match.End()} : Range{match.start, scope.end};
            std::size_t restEnd = rest.end;
            count += ReplaceRest(matcher, replacement, rest, position);
            scope.end = Moved(scope.end, restEnd, rest.end);
            break;
        }
        const std::string with = matcher.Replacement(text, match, replacement);
        editor_->Replace(match.start, match.End(), with);
        ++count;
        scope.end = Moved(scope.end, match.length, with.size());
        position = options.backward ? match.start : match.start + with.size();
    }
    if (haveScope_) scope_.end = scope.end;
    editor_->Select(position, position);
    lastMatch_ = {};
    return count;
}

int SearchSession::ReplaceRest(const TextMatcher& matcher, const std::string& replacement, Range& range,
                               std::size_t& caret) {
    std::string_view text = editor_->Text();
    struct Change {
        TextMatch match;
        std::string with;
    };
    std::vector<Change> changes;
    for (TextMatch match = matcher.Next(text, range.start, range.end); match.Found();
         match = matcher.Next(text, match.End(), range.end))
        changes.push_back({match, matcher.Replacement(text, match, replacement)});
    // From the last to the first, so that the positions still to come stay valid.
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        editor_->Replace(change->match.start, change->match.End(), change->with);
    // The caret goes after the last replacement (before the first one backwards).
    std::size_t shift = 0;
    for (const Change& change : changes) {
        if (!options.backward) caret = change.match.start + shift + change.with.size();
        shift += change.with.size();
        shift -= change.match.length;
    }
    if (!changes.empty() && options.backward) caret = changes.front().match.start;
    range.end += shift;
    return static_cast<int>(changes.size());
}

void SearchSession::Remember(const std::string& findText) {
    for (const std::string& entry : history)
        if (EqualsNoCase(entry, findText)) return;
    history.push_back(findText);
}

}  // namespace tavrin
