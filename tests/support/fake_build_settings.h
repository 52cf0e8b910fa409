// BuildSettings held in plain fields, for tests of the build commands.
#pragma once

#include "compiler/build_commands.h"

#include <string>
#include <vector>

namespace tavrin::test {

struct FakeBuildSettings : BuildSettings {
    std::string compiler;
    std::vector<std::string> directories, files;
    std::string predefined;
    std::string Compiler() override { return compiler; }
    void SetCompiler(const std::string& path) override { compiler = path; }
    std::vector<std::string> Directories() override { return directories; }
    std::vector<std::string> Files() override { return files; }
    std::string PredefinedSwitches() override { return predefined; }
};

}  // namespace tavrin::test
