// A font as design objects keep it and the dialog's code states it: the face
// name and point size, as the text "<face>,<size>" (the font editor's value
// and the value of a container's "Font" design property), and the two lines
// that set it in the code, "<object>.Font->FaceName=\"<face>\"" and
// "<object>.Font->Size=<size>": the frame's Font is a QFont reference whose
// FaceName and Size re-create the font when set.
#pragma once

#include <string>

namespace tavrin {

struct FontChoice {
    std::string face;
    int size = 0;
};

std::string FontChoiceText(const FontChoice& font);
// False, leaving font as it was, for a text without a face and a whole size after the last comma.
bool ReadFontChoice(const std::string& text, FontChoice& font);

// The member names the font's code lines assign.
inline constexpr const char* kFontFaceMember = "Font->FaceName";
inline constexpr const char* kFontSizeMember = "Font->Size";

}  // namespace tavrin
