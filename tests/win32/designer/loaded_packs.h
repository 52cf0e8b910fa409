// Velpack and ProbePack loaded once per test program the way the workbench
// loads them at start: through the pack registry, from the program's folder,
// onto a palette. Their window classes are then registered for this program.
#pragma once

#include <string>

#include "packhost/pack_registry.h"
#include "packhost/win32_pack_loader.h"
#include "settings/launcher.h"
#include "support/scripted_prompts.h"

namespace tavrin::test {

// The prompts of the test program (installed for its whole run).
ScriptedPrompts& Prompts();

std::string ProgramFolder();

struct LoadedPacks {
    LoadedPacks();
    TLauncher settings;
    TPaletteControl palette;
    Win32PackLoader loader;
    PackRegistry registry;
};

// Loads both packs on first use; the containers' messages name the packs of this registry.
LoadedPacks& Packs();

}  // namespace tavrin::test
