#include "packhost/palette.h"

#include <algorithm>

#include "common/file_checks.h"
#include "common/prompts.h"
#include "common/text.h"

namespace tavrin {

// ---- TPaletteButton ----

TPaletteButton::TPaletteButton(TPalettePage& page, std::string hint, bool arrow)
    : page_(&page), hint_(std::move(hint)), arrow_(arrow) {}

bool TPaletteButton::LoadGlyph(const std::string& file) {
    if (file.empty() || !FileExists(file)) return false;
    glyph_ = file;
    page_->Palette().ButtonChanged(*this);
    return true;
}

void TPaletteButton::Click() {
    page_->Press(*this);
    if (OnClick) OnClick(*this);
}

void TPaletteButton::SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    page_->Palette().ButtonChanged(*this);
}

void TPaletteButton::SetFlat(bool flat) {
    if (flat_ == flat) return;
    flat_ = flat;
    page_->Palette().ButtonChanged(*this);
}

void TPaletteButton::SetPosition(PalettePoint position) {
    if (position_ == position) return;
    position_ = position;
    page_->Palette().ButtonChanged(*this);
}

// ---- TPalettePage ----

TPalettePage::TPalettePage(TPaletteControl& palette, std::string caption, int clientWidth)
    : palette_(&palette), caption_(std::move(caption)), clientWidth_(clientWidth) {
    arrow_ = std::make_unique<TPaletteButton>(*this, "NULL", true);
    arrow_->position_ = ArrowButtonPosition(palette.Dpi());
    arrow_->pressed_ = true;
    arrow_->flat_ = palette.Flat();
    arrow_->OnClick = [this](TPaletteButton& button) { ButtonHandler(button); };
}

void TPalettePage::SetClientWidth(int width) {
    if (clientWidth_ == width) return;
    clientWidth_ = width;
    Layout();
}

void TPalettePage::Layout() {
    arrow_->SetPosition(ArrowButtonPosition(palette_->Dpi()));
    std::vector<PalettePoint> positions = ClassButtonPositions(buttons_.size(), clientWidth_, palette_->Dpi());
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetPosition(positions[i]);
}

void TPalettePage::Release() {
    Press(*arrow_);
    palette_->selectedClass_.clear();
}

TPaletteButton& TPalettePage::AddClassButton(const std::string& className) {
    auto button = std::make_unique<TPaletteButton>(*this, className, false);
    button->flat_ = palette_->Flat();
    button->OnClick = [this](TPaletteButton& clicked) { ButtonHandler(clicked); };
    TPaletteButton& added = *button;
    buttons_.push_back(std::move(button));
    std::vector<PalettePoint> positions = ClassButtonPositions(buttons_.size(), clientWidth_, palette_->Dpi());
    added.position_ = positions.back();
    if (palette_->view_) palette_->view_->ButtonAdded(added);
    return added;
}

void TPalettePage::DeleteButton(TPaletteButton& button) {
    auto found = std::find_if(buttons_.begin(), buttons_.end(),
                              [&](const auto& candidate) { return candidate.get() == &button; });
    if (found == buttons_.end()) return;
    bool wasPressed = button.Pressed();
    if (palette_->view_) palette_->view_->ButtonRemoving(button);
    buttons_.erase(found);
    if (wasPressed) arrow_->SetPressed(true);  // the group keeps one button down
    Layout();
}

void TPalettePage::Press(TPaletteButton& button) {
    arrow_->SetPressed(arrow_.get() == &button);
    for (const auto& other : buttons_) other->SetPressed(other.get() == &button);
}

void TPalettePage::ButtonHandler(TPaletteButton& button) {
    palette_->selectedClass_.clear();
    if (palette_->OnClick) palette_->OnClick(button);
}

// ---- TPaletteControl ----

void TPaletteControl::SetActivePalette(TPalettePage* page) {
    if (active_ == page) return;
    active_ = page;
    if (view_) view_->ActivePageChanged(page);
}

void TPaletteControl::SetFlat(bool flat) {
    flat_ = flat;
    for (const auto& page : pages_) {
        page->Arrow().SetFlat(flat);
        for (const auto& button : page->Buttons()) button->SetFlat(flat);
    }
}

void TPaletteControl::SetDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    for (const auto& page : pages_) page->Layout();
}

void TPaletteControl::SetPageClientWidth(int width) {
    pageClientWidth_ = width;
    for (const auto& page : pages_) page->SetClientWidth(width);
}

TPaletteButton* TPaletteControl::AddButton(const std::string& pageName, const std::string& className,
                                           const std::string& glyphFile) {
    if (TPaletteButton* existing = FindButton(className)) {
        UserPrompts().Information("The " + className + " class allready registered.");
        return existing;
    }
    TPalettePage* page = FindPage(pageName);
    if (!page) {
        pages_.push_back(std::make_unique<TPalettePage>(*this, pageName, pageClientWidth_));
        page = pages_.back().get();
        if (view_) view_->PageAdded(*page);
        SetActivePalette(page);
    }
    TPaletteButton& button = page->AddClassButton(className);
    button.LoadGlyph(glyphFile);
    page->Layout();
    return &button;
}

TPalettePage* TPaletteControl::FindPage(const std::string& name) const {
    for (const auto& page : pages_)
        if (EqualsNoCase(page->Caption(), name)) return page.get();
    return nullptr;
}

TPaletteButton* TPaletteControl::FindButton(const std::string& className) {
    TPaletteButton* found = nullptr;
    for (const auto& page : pages_)
        for (const auto& button : page->Buttons())
            if (EqualsNoCase(button->Hint(), className)) found = button.get();
    if (found) SetActivePalette(&found->Page());
    return found;
}

void TPaletteControl::RemoveButton(const std::string& className) {
    TPaletteButton* button = FindButton(className);
    if (button) button->Page().DeleteButton(*button);
}

void TPaletteControl::RemovePage(TPalettePage& page) {
    auto found = std::find_if(pages_.begin(), pages_.end(),
                              [&](const auto& candidate) { return candidate.get() == &page; });
    if (found == pages_.end()) return;
    if (view_) view_->PageRemoving(page);
    bool wasActive = active_ == &page;
    std::size_t index = static_cast<std::size_t>(found - pages_.begin());
    pages_.erase(found);
    if (!wasActive) return;
    active_ = nullptr;
    if (!pages_.empty()) SetActivePalette(pages_[std::min(index, pages_.size() - 1)].get());
    else if (view_) view_->ActivePageChanged(nullptr);
}

const StringList& TPaletteControl::ClassList() {
    classList_.Clear();
    for (const auto& page : pages_)
        for (const auto& button : page->Buttons()) classList_.Add(button->Hint(), button.get());
    return classList_;
}

void TPaletteControl::Reset() {
    for (const auto& page : pages_) page->Press(page->Arrow());
    SetActivePalette(pages_.empty() ? nullptr : pages_.front().get());
    selectedClass_.clear();
}

}  // namespace tavrin
