// The component palette: pages of buttons, one per pack class, from which the
// user picks the class to place next. Each page holds an arrow button ("no
// class") and the class buttons; within a page the buttons behave like radio
// buttons. This is the palette's state and rules; a PaletteView (the main
// window's palette strip) shows it and reports the user's clicks back.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/string_list.h"
#include "packhost/palette_layout.h"

namespace tavrin {

class TPack;
class TPaletteButton;
class TPalettePage;
class TPaletteControl;

using PaletteClick = std::function<void(TPaletteButton&)>;

// What a pack's button carries besides its hint (filled by the pack loader).
struct PaletteButtonPack {
    std::string className;
    TPack* pack = nullptr;
    std::uintptr_t module = 0;  // the pack library's module handle
    std::string fileName;       // the pack library's path
};

class TPaletteButton {
public:
    TPaletteButton(TPalettePage& page, std::string hint, bool arrow);

    TPalettePage& Page() const { return *page_; }
    // The class name, shown as the tooltip; "NULL" on the arrow button.
    const std::string& Hint() const { return hint_; }
    bool IsArrow() const { return arrow_; }
    // The glyph file loaded for the button; empty while it has none.
    const std::string& Glyph() const { return glyph_; }
    // Takes the file as the glyph when the file exists; false otherwise.
    bool LoadGlyph(const std::string& file);
    bool Pressed() const { return pressed_; }
    bool Flat() const { return flat_; }
    PalettePoint Position() const { return position_; }

    PaletteButtonPack PackData;
    // The click handler: the page's own handler until the pack loader sets its own.
    PaletteClick OnClick;

    // A click by the user: the button goes down (the others of its page come
    // up) and the click handler runs.
    void Click();

private:
    friend class TPalettePage;
    friend class TPaletteControl;
    void SetPressed(bool pressed);
    void SetFlat(bool flat);
    void SetPosition(PalettePoint position);

    TPalettePage* page_;
    std::string hint_;
    bool arrow_;
    std::string glyph_;
    bool pressed_ = false;
    bool flat_ = false;
    PalettePoint position_;
};

class TPalettePage {
public:
    TPalettePage(TPaletteControl& palette, std::string caption, int clientWidth);

    TPaletteControl& Palette() const { return *palette_; }
    const std::string& Caption() const { return caption_; }
    TPaletteButton& Arrow() const { return *arrow_; }
    // The class buttons in creation order (the arrow is not among them).
    const std::vector<std::unique_ptr<TPaletteButton>>& Buttons() const { return buttons_; }

    int ClientWidth() const { return clientWidth_; }
    // A resized page lays its buttons out again.
    void SetClientWidth(int width);
    void Layout();
    // Presses the arrow button and clears the palette's selected-class text.
    void Release();

private:
    friend class TPaletteControl;
    friend class TPaletteButton;
    TPaletteButton& AddClassButton(const std::string& className);
    void DeleteButton(TPaletteButton& button);
    // Radio behaviour: the button goes down, every other one of the page comes up.
    void Press(TPaletteButton& button);
    // The page's own click handler.
    void ButtonHandler(TPaletteButton& button);

    TPaletteControl* palette_;
    std::string caption_;
    int clientWidth_;
    std::unique_ptr<TPaletteButton> arrow_;
    std::vector<std::unique_ptr<TPaletteButton>> buttons_;
};

// What shows the palette. Every change of pages, buttons or the active page
// is told here; "Removing" calls come while the object still exists.
class PaletteView {
public:
    virtual ~PaletteView() = default;
    virtual void PageAdded(TPalettePage& page) = 0;
    virtual void PageRemoving(TPalettePage& page) = 0;
    virtual void ButtonAdded(TPaletteButton& button) = 0;
    virtual void ButtonRemoving(TPaletteButton& button) = 0;
    // Its position, pressed state, flat look or glyph changed.
    virtual void ButtonChanged(TPaletteButton& button) = 0;
    virtual void ActivePageChanged(TPalettePage* page) = 0;
};

class TPaletteControl {
public:
    TPaletteControl() = default;
    TPaletteControl(const TPaletteControl&) = delete;
    TPaletteControl& operator=(const TPaletteControl&) = delete;

    // The view is told of every later change (not of what exists already).
    void SetView(PaletteView* view) { view_ = view; }
    PaletteView* View() const { return view_; }

    const std::vector<std::unique_ptr<TPalettePage>>& Pages() const { return pages_; }
    TPalettePage* ActivePalette() const { return active_; }
    void SetActivePalette(TPalettePage* page);

    bool Flat() const { return flat_; }
    // Sets the flat look of every button of every page.
    void SetFlat(bool flat);

    // The client width that new pages take (the view keeps it current).
    int PageClientWidth() const { return pageClientWidth_; }
    void SetPageClientWidth(int width);
    // The resolution the buttons are laid out for (dots per inch, 96 at
    // first); a change lays every page out again.
    int Dpi() const { return dpi_; }
    void SetDpi(int dpi);

    // Raised by the pages' own click handler with the clicked button.
    PaletteClick OnClick;
    // The palette's selected-class text: cleared by Reset and by page button clicks.
    const std::string& SelectedClass() const { return selectedClass_; }

    // Adds a button for the class on the page of that name (created when
    // missing); a class already on the palette gets the information "The %s
    // class allready registered." and its existing button is returned.
    TPaletteButton* AddButton(const std::string& pageName, const std::string& className,
                              const std::string& glyphFile);
    // The first page of that caption, compared without regard to case.
    TPalettePage* FindPage(const std::string& name) const;
    // The class button of that hint (no case); its page becomes active. When
    // several pages hold one, the last found wins.
    TPaletteButton* FindButton(const std::string& className);
    // Destroys the class's button and lays its page out again; the page stays.
    void RemoveButton(const std::string& className);
    // Destroys a page with its buttons.
    void RemovePage(TPalettePage& page);
    // Every class button of every page (text: class name, object: the button).
    const StringList& ClassList();
    // Presses every page's arrow, makes the first page active, clears the selected class.
    void Reset();

private:
    friend class TPalettePage;
    friend class TPaletteButton;
    void ButtonChanged(TPaletteButton& button) {
        if (view_) view_->ButtonChanged(button);
    }

    std::vector<std::unique_ptr<TPalettePage>> pages_;
    TPalettePage* active_ = nullptr;
    bool flat_ = false;
    int pageClientWidth_ = 0;
    int dpi_ = 96;
    std::string selectedClass_;
    StringList classList_;
    PaletteView* view_ = nullptr;
};

}  // namespace tavrin
