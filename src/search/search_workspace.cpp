#include "search/search_workspace.h"

#include <algorithm>

#include "editor/super_edit.h"

namespace tavrin {

std::vector<SearchPage> SearchWorkspace::LivePages() {
    std::vector<SearchPage> pages = host_.pages ? host_.pages() : std::vector<SearchPage>();
    for (auto entry = targets_.begin(); entry != targets_.end();) {
        bool open = std::any_of(pages.begin(), pages.end(), [&](const SearchPage& page) {
            return page.edit && page.edit->Handle() == entry->first &&
                   static_cast<ScintillaView*>(page.edit) == &entry->second->View();
        });
        entry = open ? std::next(entry) : targets_.erase(entry);
    }
    return pages;
}

SearchTarget* SearchWorkspace::TargetOf(TELSuperEdit* edit) {
    if (!edit || !edit->Handle()) return nullptr;
    auto& target = targets_[edit->Handle()];
    if (!target) target = std::make_unique<ScintillaSearchTarget>(*edit);
    return target.get();
}

TELSuperEdit* SearchWorkspace::CurrentEdit() const { return host_.currentEdit ? host_.currentEdit() : nullptr; }

SearchTarget* SearchWorkspace::CurrentEditor() {
    LivePages();
    return TargetOf(CurrentEdit());
}

bool SearchWorkspace::Alive(const SearchTarget* editor) {
    if (!editor) return false;
    LivePages();
    for (const auto& entry : targets_)
        if (entry.second.get() == editor) return true;
    return false;
}

std::vector<std::string> SearchWorkspace::OpenFiles() {
    std::vector<std::string> files;
    for (const SearchPage& page : LivePages())
        if (!page.file.empty()) files.push_back(page.file);
    return files;
}

SearchTarget* SearchWorkspace::EditorOf(const std::string& file) {
    for (const SearchPage& page : LivePages())
        if (!page.file.empty() && SamePath(page.file, file)) return TargetOf(page.edit);
    return nullptr;
}

}  // namespace tavrin
