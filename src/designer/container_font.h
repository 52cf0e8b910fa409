// The font design properties of a component container: "Font" as the text
// "<face>,<size>", and the members its code lines assign, "Font->FaceName"
// and "Font->Size". Setting any of them makes a font of that face and size
// and gives it to the container, which passes it on to its live window.
#pragma once

#include <vector>

#include "designer/design_properties.h"

namespace tavrin {

class TContainer;

// The three properties, sharing the font they make (freed with the last of them).
std::vector<DesignProperty> ContainerFontProperties(TContainer& container);

}  // namespace tavrin
