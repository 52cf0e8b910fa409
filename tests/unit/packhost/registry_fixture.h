// A pack registry over packs held in memory, with its settings file and palette
// in a fresh folder, for the tests of the registry and of the Packs window.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "packhost/pack_registry.h"
#include "settings/launcher.h"
#include "support/fake_pack_loader.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tavrin::test {

class RegistryFixture : public testing::Test {
protected:
    RegistryFixture() : settings(folder.Path("Tavrin2.ini")), registry(settings, palette, loader, folder.Path()) {
        palette.SetPageClientWidth(600);
    }
    // A library file that exists in the folder, opened as the fake library given.
    std::string Library(const std::string& name, FakeLibrary library) {
        return loader.AddFile(folder, name, std::move(library));
    }

    TempFolder folder;
    ScriptedPrompts prompts;
    TLauncher settings;
    TPaletteControl palette;
    FakePackLoader loader;
    PackRegistry registry;
};

}  // namespace tavrin::test
