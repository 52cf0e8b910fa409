#include "loaded_packs.h"

#include <windows.h>

#include "common/paths.h"
#include "designer/container.h"

namespace tavrin::test {

ScriptedPrompts& Prompts() {
    static ScriptedPrompts prompts;
    return prompts;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ExtractFileDir(path);
}

LoadedPacks::LoadedPacks()
    : settings(ProgramFolder() + "\\loaded_packs.ini"), registry(settings, palette, loader, ProgramFolder()) {
    DeleteFileA(settings.SettingsFile().Path().c_str());
    palette.SetPageClientWidth(400);
    settings.Libs.Add("Velpack.dll");
    settings.Libs.Add("ProbePack.dll");
    Prompts();
    registry.LoadPacks();
    SetContainerClassOwner([this](const std::string& className) {
        TPack* pack = registry.PackOfClass(className);
        return pack ? pack->Name : std::string();
    });
}

LoadedPacks& Packs() {
    static LoadedPacks packs;
    return packs;
}

}  // namespace tavrin::test
