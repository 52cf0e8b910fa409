#include "packhost/palette_customizing.h"

#include "common/prompts.h"
#include "packhost/class_names_text.h"

namespace tavrin {

std::vector<CustomizeSheet> CustomizeSheetsOf(const TPaletteControl& palette) {
    std::vector<CustomizeSheet> sheets;
    for (const auto& page : palette.Pages()) {
        CustomizeSheet sheet{page->Caption(), {}};
        for (const auto& button : page->Buttons()) sheet.entries.push_back({button->Hint(), button.get(), false});
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

std::vector<std::string> CheckedClassNames(const std::vector<CustomizeSheet>& sheets) {
    std::vector<std::string> names;
    for (auto sheet = sheets.rbegin(); sheet != sheets.rend(); ++sheet)
        for (const CustomizeEntry& entry : sheet->entries)
            if (entry.checked) names.push_back(entry.className);
    return names;
}

bool RemoveCheckedClasses(TPaletteControl& palette, IniFile& settings,
                          const std::vector<CustomizeSheet>& sheets) {
    std::vector<std::string> names = CheckedClassNames(sheets);
    if (names.empty()) return false;
    if (UserPrompts().ConfirmYesNo("Remove " + JoinClassNames(names) + " class(es)?") != Answer::Yes) return false;
    RemoveClasses(palette, settings, names);
    return true;
}

void RemoveClasses(TPaletteControl& palette, IniFile& settings, const std::vector<std::string>& names) {
    {
        IniBatch batch(settings);
        for (auto name = names.rbegin(); name != names.rend(); ++name) {
            settings.EraseSection(*name);
            palette.RemoveButton(*name);
        }
    }
    std::vector<TPalettePage*> empty;
    for (const auto& page : palette.Pages())
        if (page->Buttons().empty()) empty.push_back(page.get());
    for (TPalettePage* page : empty) palette.RemovePage(*page);
}

}  // namespace tavrin
