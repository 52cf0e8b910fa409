// The pack registry: the loaded packs, their registration on the palette, the
// start-up loading from the settings' pack list and the palette selection
// (SelectedClassName, CurrentPack) through which the designer and the
// inspector reach a pack.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "packhost/pack.h"
#include "packhost/pack_loader.h"
#include "packhost/palette.h"
#include "packhost/registration_text.h"

namespace tavrin {

class TLauncher;

class PackRegistry {
public:
    // settings holds the pack list Libs and the settings file; applicationDirectory
    // is the folder of the glyphs ("controls") and of packs listed without a folder.
    PackRegistry(TLauncher& settings, TPaletteControl& palette, PackLoader& loader,
                 std::string applicationDirectory);
    PackRegistry(const PackRegistry&) = delete;
    PackRegistry& operator=(const PackRegistry&) = delete;
    ~PackRegistry();

    TLauncher& Settings() const { return *settings_; }
    TPaletteControl& Palette() const { return *palette_; }
    PackLoader& Loader() const { return *loader_; }
    const std::string& ApplicationDirectory() const { return applicationDirectory_; }

    // The palette's selection: the class to place next and the pack whose
    // entry points the inspector calls.
    std::string SelectedClassName;
    TPack* CurrentPack = nullptr;
    // Shows "class :module" for a clicked pack button (the code window's status panel 1).
    std::function<void(const std::string&)> ShowStatus;

    // A new pack owned by the registry (nothing loaded).
    TPack& CreatePack();
    // Removes the pack's classes from the palette (last first), forgets it
    // wherever it is referenced and frees it. Its library stays loaded.
    void DestroyPack(TPack& pack);
    const std::vector<std::unique_ptr<TPack>>& Packs() const { return packs_; }
    // The pack whose palette button carries the class, if any.
    TPack* PackOfClass(const std::string& className) const;

    // The OnLoad handler: asks the pack's registration text and puts its classes
    // on the palette (questions and reports unless the pack loads automatically).
    void RegisterPack(TPack& pack);
    // Loads every pack of the settings' list; run once, when the main window is
    // first shown.
    void LoadPacks();
    // A click on a palette button: the selected class and pack follow it.
    void PaletteClick(TPaletteButton& button);
    // A button put on the palette by hand for a window class that no pack
    // offers (page created when missing; a class already there gets its
    // information and keeps its button). Its click selects the class, with
    // no pack, so the class can be placed.
    TPaletteButton* InstallClassButton(const std::string& pageName, const std::string& className);

    // The file a pack path names: a path without folder is taken from the
    // application directory.
    std::string PackFile(const std::string& path) const;
    // The glyph file of a class: <application directory>\controls\<class>.bmp.
    std::string GlyphFile(const std::string& className) const;

private:
    void RegisterLine(TPack& pack, const RegistrationLine& line);

    TLauncher* settings_;
    TPaletteControl* palette_;
    PackLoader* loader_;
    std::string applicationDirectory_;
    std::vector<std::unique_ptr<TPack>> packs_;
};

}  // namespace tavrin
