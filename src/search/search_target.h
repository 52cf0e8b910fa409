// What a search needs of an editor: its text, the selection and the caret,
// selecting an occurrence and replacing a part of the text. The Scintilla
// editor of a code page implements it; tests use a plain text.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrin {

class SearchTarget {
public:
    virtual ~SearchTarget() = default;
    // The whole text; valid until the next change.
    virtual std::string_view Text() const = 0;
    virtual std::size_t SelectionStart() const = 0;
    virtual std::size_t SelectionEnd() const = 0;
    virtual std::size_t Caret() const = 0;
    // Selects from anchor to caret (either order) and scrolls it into view.
    virtual void Select(std::size_t anchor, std::size_t caret) = 0;
    virtual void Replace(std::size_t start, std::size_t end, std::string_view text) = 0;
    // Changes between these two calls are undone as one.
    virtual void BeginChanges() {}
    virtual void EndChanges() {}
};

}  // namespace tavrin
