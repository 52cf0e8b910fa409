#include "search/scintilla_search_target.h"

#include <Scintilla.h>

namespace tavrin {

std::size_t ScintillaSearchTarget::SelectionStart() const {
    return static_cast<std::size_t>(view_.Call(SCI_GETSELECTIONSTART));
}

std::size_t ScintillaSearchTarget::SelectionEnd() const {
    return static_cast<std::size_t>(view_.Call(SCI_GETSELECTIONEND));
}

std::size_t ScintillaSearchTarget::Caret() const { return static_cast<std::size_t>(view_.Call(SCI_GETCURRENTPOS)); }

void ScintillaSearchTarget::Select(std::size_t anchor, std::size_t caret) {
    view_.Call(SCI_SETSEL, anchor, static_cast<LPARAM>(caret));
    view_.Call(SCI_SCROLLCARET);
}

void ScintillaSearchTarget::Replace(std::size_t start, std::size_t end, std::string_view text) {
    view_.ReplaceBytes(static_cast<long long>(start), static_cast<long long>(end - start), text);
}

void ScintillaSearchTarget::BeginChanges() { view_.Call(SCI_BEGINUNDOACTION); }

void ScintillaSearchTarget::EndChanges() { view_.Call(SCI_ENDUNDOACTION); }

}  // namespace tavrin
