// The search's view of a Scintilla editor (a code page's).
#pragma once

#include <windows.h>

#include "editor/scintilla_view.h"
#include "search/search_target.h"

namespace tavrin {

class ScintillaSearchTarget : public SearchTarget {
public:
    explicit ScintillaSearchTarget(ScintillaView& view) : view_(view) {}

    ScintillaView& View() const { return view_; }
    std::string_view Text() const override { return view_.TextView(); }
    std::size_t SelectionStart() const override;
    std::size_t SelectionEnd() const override;
    std::size_t Caret() const override;
    void Select(std::size_t anchor, std::size_t caret) override;
    void Replace(std::size_t start, std::size_t end, std::string_view text) override;
    void BeginChanges() override;
    void EndChanges() override;

private:
    ScintillaView& view_;
};

}  // namespace tavrin
