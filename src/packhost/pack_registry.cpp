#include "packhost/pack_registry.h"

#include <algorithm>

#include "common/commands.h"
#include "common/file_checks.h"
#include "common/paths.h"
#include "common/prompts.h"
#include "common/text.h"
#include "packhost/class_names_text.h"
#include "settings/launcher.h"

namespace tavrin {

namespace {

bool IsAbsolutePath(const std::string& path) {
    return (!path.empty() && (path[0] == '\\' || path[0] == '/')) || (path.size() > 1 && path[1] == ':');
}

// folder + "\" + relative, with the folder's own separator (the native tests
// run on folders written with "/").
std::string PathInFolder(const std::string& folder, std::string relative) {
    char separator = folder.find('/') != std::string::npos && folder.find('\\') == std::string::npos ? '/' : '\\';
    for (char& c : relative)
        if (c == '\\' || c == '/') c = separator;
    if (folder.empty()) return relative;
    if (folder.back() == separator) return folder + relative;
    return folder + separator + relative;
}

}  // namespace

PackRegistry::PackRegistry(TLauncher& settings, TPaletteControl& palette, PackLoader& loader,
                           std::string applicationDirectory)
    : settings_(&settings), palette_(&palette), loader_(&loader),
      applicationDirectory_(std::move(applicationDirectory)) {}

PackRegistry::~PackRegistry() {
    // The palette may outlive the registry: its buttons must not call back here.
    palette_->OnClick = nullptr;
    for (const auto& page : palette_->Pages())
        for (const auto& button : page->Buttons())
            if (button->PackData.pack) {
                button->PackData.pack = nullptr;
                button->OnClick = nullptr;
            }
}

TPack& PackRegistry::CreatePack() {
    packs_.push_back(std::make_unique<TPack>(*this));
    return *packs_.back();
}

void PackRegistry::DestroyPack(TPack& pack) {
    for (std::size_t i = pack.Classes.Count(); i-- > 0;) palette_->RemoveButton(pack.Classes[i]);
    pack.Classes.Clear();
    if (CurrentPack == &pack) CurrentPack = nullptr;
    StringList& libs = settings_->Libs;
    for (std::size_t i = 0; i < libs.Count(); ++i)
        if (libs.Object(i) == &pack) libs.SetObject(i, nullptr);
    for (const auto& page : palette_->Pages())
        for (const auto& button : page->Buttons())
            if (button->PackData.pack == &pack) button->PackData.pack = nullptr;
    auto found = std::find_if(packs_.begin(), packs_.end(),
                              [&](const auto& candidate) { return candidate.get() == &pack; });
    if (found != packs_.end()) packs_.erase(found);
}

TPack* PackRegistry::PackOfClass(const std::string& className) const {
    TPack* pack = nullptr;
    for (const auto& page : palette_->Pages())
        for (const auto& button : page->Buttons())
            if (EqualsNoCase(button->Hint(), className) && button->PackData.pack) pack = button->PackData.pack;
    return pack;
}

std::string PackRegistry::PackFile(const std::string& path) const {
    if (path.empty() || IsAbsolutePath(path) || applicationDirectory_.empty()) return path;
    return PathInFolder(applicationDirectory_, path);
}

std::string PackRegistry::GlyphFile(const std::string& className) const {
    return PathInFolder(applicationDirectory_, "controls\\" + className + ".bmp");
}

void PackRegistry::RegisterPack(TPack& pack) {
    PackApi* api = pack.Api();
    if (!api) return;
    std::optional<std::string> text = api->RegistrationText();
    std::vector<RegistrationLine> lines = ParseRegistration(text.value_or(""));
    if (!pack.AutoLoad) {
        Answer answer = UserPrompts().ConfirmYesNoCancel("Register " + pack.Name + " pack and his components?");
        if (answer == Answer::Cancel) throw CommandAborted{};
        if (answer != Answer::Yes) return;
    }
    if (lines.empty()) {
        UserPrompts().Error("The " + pack.Name + " pack registered no classes.");
        return;
    }
    for (const RegistrationLine& line : lines) RegisterLine(pack, line);
}

void PackRegistry::RegisterLine(TPack& pack, const RegistrationLine& line) {
    if (line.malformed)
        UserPrompts().Error("The " + pack.Name + " pack registered a malformed line: \"" + line.text + "\".");
    if (line.page.empty()) return;  // classes without a page have nowhere to go
    for (const std::string& className : line.classes) {
        pack.Classes.Add(className);
        TPaletteButton* button = palette_->AddButton(line.page, className, std::string());
        button->PackData = {className, &pack, pack.Handle(), pack.FileName};
        button->OnClick = [this](TPaletteButton& clicked) { PaletteClick(clicked); };
        button->LoadGlyph(GlyphFile(className));
    }
    if (!pack.AutoLoad)
        UserPrompts().Information("The " + pack.Name + " pack was loaded.\nThe following classes are registered: " +
                                  JoinClassNames(pack.Classes.Texts()));
    if (settings_->Libs.IndexOf(pack.FileName) < 0) settings_->Libs.Add(pack.FileName, &pack);
}

void PackRegistry::LoadPacks() {
    StringList& libs = settings_->Libs;
    // Every entry gets its pack first, so that entries after a failing one keep
    // an unloaded pack that the Packs window can remove.
    for (std::size_t i = 0; i < libs.Count(); ++i) {
        TPack& pack = CreatePack();
        pack.AutoLoad = true;
        pack.OnLoad = [this](TPack& loaded) { RegisterPack(loaded); };
        libs.SetObject(i, &pack);
    }
    for (std::size_t i = 0; i < libs.Count(); ++i) {
        auto* pack = static_cast<TPack*>(libs.Object(i));
        if (!pack) continue;
        const std::string path = libs[i];
        if (!FileExists(PackFile(path))) {
            UserPrompts().Information("File not exists.");
            return;
        }
        try {
            pack->Load(path);
        } catch (const CommandAborted&) {
            throw;
        } catch (const std::exception&) {
            UserPrompts().Information("DLL are void.");
            return;
        }
        CurrentPack = pack;
    }
    palette_->Reset();
    palette_->OnClick = [this](TPaletteButton& button) { PaletteClick(button); };
}

TPaletteButton* PackRegistry::InstallClassButton(const std::string& pageName, const std::string& className) {
    bool there = palette_->ClassList().IndexOf(className) >= 0;
    TPaletteButton* button = palette_->AddButton(pageName, className, GlyphFile(className));
    if (!button || there) return button;
    button->PackData = {className, nullptr, 0, std::string()};
    button->OnClick = [this](TPaletteButton& clicked) { PaletteClick(clicked); };
    return button;
}

void PackRegistry::PaletteClick(TPaletteButton& button) {
    SelectedClassName = button.PackData.className;
    CurrentPack = button.PackData.pack;
    if (CurrentPack && ShowStatus) {
        std::string module = CurrentPack->Handle() ? ExtractFileName(CurrentPack->ModulePath()) : std::string();
        ShowStatus(SelectedClassName + " :" + module);
    }
}

}  // namespace tavrin
