// What the customize-palette window does: one check list of class names per
// palette page, and the removal of the checked classes (after asking) from the
// palette and from the settings file.
#pragma once

#include <string>
#include <vector>

#include "common/ini_file.h"
#include "packhost/palette.h"

namespace tavrin {

struct CustomizeEntry {
    std::string className;
    TPaletteButton* button = nullptr;
    bool checked = false;
};

struct CustomizeSheet {
    std::string caption;
    std::vector<CustomizeEntry> entries;
};

// One sheet per palette page in page order, its class buttons in button order, unchecked.
std::vector<CustomizeSheet> CustomizeSheetsOf(const TPaletteControl& palette);

// The checked class names, sheets from the last to the first, each from top to bottom.
std::vector<std::string> CheckedClassNames(const std::vector<CustomizeSheet>& sheets);

// "OK": when classes are checked, asks "Remove %s class(es)?" and on Yes removes
// them. Returns whether anything was removed.
bool RemoveCheckedClasses(TPaletteControl& palette, IniFile& settings,
                          const std::vector<CustomizeSheet>& sheets);

// For each name from the last to the first: erases the settings section named
// after the class and removes its button; then every page left with only its
// arrow button goes too.
void RemoveClasses(TPaletteControl& palette, IniFile& settings, const std::vector<std::string>& names);

}  // namespace tavrin
