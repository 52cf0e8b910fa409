#include "designer/design_font.h"

#include <string_view>

#include "common/text.h"

namespace tavrin {

std::string FontChoiceText(const FontChoice& font) { return font.face + "," + std::to_string(font.size); }

bool ReadFontChoice(const std::string& text, FontChoice& font) {
    size_t comma = text.rfind(',');
    long long size = 0;
    if (comma == std::string::npos || !ParseInt(std::string_view(text).substr(comma + 1), size)) return false;
    std::string face(Trim(std::string_view(text).substr(0, comma)));
    if (face.empty()) return false;
    font.face = std::move(face);
    font.size = static_cast<int>(size);
    return true;
}

}  // namespace tavrin
