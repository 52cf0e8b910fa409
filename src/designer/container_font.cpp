#include "designer/container_font.h"

#include <windows.h>

#include <memory>

#include "designer/container.h"
#include "designer/design_font.h"

namespace tavrin {

namespace {

// The font a container was given through its design properties. It starts
// as the pack's frames start, "Tahoma" 8 points, without making a font.
class ContainerFontState {
public:
    explicit ContainerFontState(TContainer& container) : container_(container) {}
    ~ContainerFontState() {
        if (made_) DeleteObject(made_);
    }
    ContainerFontState(const ContainerFontState&) = delete;
    ContainerFontState& operator=(const ContainerFontState&) = delete;

    const FontChoice& Choice() const { return choice_; }
    void Set(const FontChoice& choice) {
        choice_ = choice;
        HDC screen = GetDC(nullptr);
        int height = -MulDiv(choice.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, choice.face.c_str());
        if (!font) return;
        container_.SetFont(font);  // the live window draws with the new font before the old one goes
        if (made_) DeleteObject(made_);
        made_ = font;
    }

private:
    TContainer& container_;
    FontChoice choice_{"Tahoma", 8};
    HFONT made_ = nullptr;
};

}  // namespace

std::vector<DesignProperty> ContainerFontProperties(TContainer& container) {
    auto state = std::make_shared<ContainerFontState>(container);
    DesignProperty font{"Font", DesignKind::Text, {}, [state] { return FontChoiceText(state->Choice()); },
                        [state](const std::string& text) {
                            FontChoice choice;
                            if (ReadFontChoice(text, choice)) state->Set(choice);
                        }};
    DesignProperty face{kFontFaceMember, DesignKind::Text, {}, [state] { return state->Choice().face; },
                        [state](const std::string& text) {
                            if (text.empty()) return;
                            FontChoice choice = state->Choice();
                            choice.face = text;
                            state->Set(choice);
                        }};
    DesignProperty size{kFontSizeMember, DesignKind::Integer, {}, [state] { return std::to_string(state->Choice().size); },
                        [state](const std::string& text) {
                            FontChoice choice = state->Choice();
                            choice.size = std::stoi(text);
                            if (choice.size > 0) state->Set(choice);
                        }};
    return {std::move(font), std::move(face), std::move(size)};
}

}  // namespace tavrin
