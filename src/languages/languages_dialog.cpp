#include "languages/languages_dialog.h"

#include "common/file_search.h"
#include "common/paths.h"
#include "common/prompts.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {

LanguagesDialog::LanguagesDialog(LanguagesHost host) : host_(std::move(host)) {}

std::string LanguagesDialog::Folder() const { return JoinPath(host_.applicationDirectory, kLanguagesFolder); }

std::string LanguagesDialog::BaseFile() const { return JoinPath(Folder(), kBaseFileName); }

std::string& LanguagesDialog::Current() { return host_.currentLanguage ? *host_.currentLanguage : ownCurrent_; }

void LanguagesDialog::Created() {
    if (!IsExistingFolder(Folder()) && host_.makeFolder) host_.makeFolder(Folder());
}

void LanguagesDialog::Shown() {
    languages_.clear();
    selected_ = -1;
    setEnabled_ = showEnabled_ = false;
    WriteBaseFile();
    Fill();
}

bool LanguagesDialog::WriteBaseFile() {
    if (!IsExistingFolder(Folder()) || !host_.baseLines) return false;
    StringList lines;
    lines.Assign(host_.baseLines());
    return lines.SaveToFile(NativePath(BaseFile()));
}

void LanguagesDialog::Fill() {
    std::vector<std::string> found;
    FileSearch(Folder(), "*.txt", true, found);
    for (const std::string& path : found) languages_.push_back({path, ChangeFileExt(path, "")});
    const std::string current = ExtractFileName(Current());
    if (current.empty()) return;
    for (std::size_t i = 0; i < languages_.size(); ++i)
        if (EqualsNoCase(ExtractFileName(languages_[i].FileName), current)) {
            Choose(static_cast<int>(i));
            return;
        }
}

std::vector<std::string> LanguagesDialog::Entries() const {
    std::vector<std::string> entries;
    for (const TLang& language : languages_) entries.push_back(ExtractFileName(language.FileName));
    return entries;
}

void LanguagesDialog::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(languages_.size())) {
        selected_ = -1;
        Current().clear();
        setEnabled_ = showEnabled_ = false;
        return;
    }
    selected_ = index;
    Current() = languages_[static_cast<std::size_t>(index)].FileName;
    setEnabled_ = true;
    showEnabled_ = IsExistingFile(Current());
}

void LanguagesDialog::Set() {
    if (selected_ < 0) return;
    const std::string path = languages_[static_cast<std::size_t>(selected_)].FileName;
    if (host_.settings) host_.settings->WriteString(kActiveLanguageSection, kActiveLanguageKey, path);
    if (host_.apply) host_.apply(path);
}

void LanguagesDialog::Show() {
    if (selected_ >= 0 && host_.showFile) host_.showFile(languages_[static_cast<std::size_t>(selected_)].FileName);
}

int LanguagesDialog::IndexOfPath(const std::string& path) const {
    for (std::size_t i = 0; i < languages_.size(); ++i)
        if (EqualsNoCase(languages_[i].FileName, path)) return static_cast<int>(i);
    return -1;
}

void LanguagesDialog::Load() {
    FileBoxRequest request;
    request.filter = kLanguageFilter;
    request.initialDir = Folder();
    FileBoxResult result = UserPrompts().OpenFile(request);
    if (!result.accepted || result.files.empty()) return;
    const std::string& path = result.files.front();
    int index = IndexOfPath(path);
    if (index >= 0) {
        UserPrompts().Information("The language " + ExtractFileName(path) + " is already in the list.");
    } else {
        languages_.push_back({path, ChangeFileExt(path, "")});
        index = static_cast<int>(languages_.size()) - 1;
    }
    Choose(index);
}

void LanguagesDialog::Remove() {
    if (selected_ < 0) return;
    const std::string name = ExtractFileName(languages_[static_cast<std::size_t>(selected_)].FileName);
    if (UserPrompts().ConfirmYesNo("Remove the language " + name + " from the list?") != Answer::Yes) return;
    languages_.erase(languages_.begin() + selected_);
    selected_ = -1;
    Current().clear();
    showEnabled_ = !languages_.empty();
    setEnabled_ = showEnabled_;
}

void LanguagesDialog::SaveBase() {
    if (IsExistingFile(BaseFile()) && UserPrompts().ConfirmYesNo(kOverwriteBaseQuestion) != Answer::Yes) return;
    WriteBaseFile();
}

}  // namespace tavrin
