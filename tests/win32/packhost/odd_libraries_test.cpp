// Libraries that are no packs, half packs and packs with bad answers: each gives an
// error that names the file and the problem, and none of them brings the host down.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "beside_program.h"
#include "packhost/pack_error.h"
#include "packhost/pack_library.h"

namespace tavrin {
namespace {

// The text of the PackError that the action throws, or "no error".
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PackError& error) {
        return error.what();
    }
    return "no error";
}

std::string LoadError(const std::string& path) {
    return ErrorOf([&] { PackLibrary library(path); });
}

// The failure that the action reports, if any.
std::optional<PackFailure> FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PackError& error) {
        return error.Failure();
    }
    return std::nullopt;
}

std::optional<PackFailure> LoadFailure(const std::string& path) {
    return FailureOf([&] { PackLibrary library(path); });
}

std::string WriteFile(const std::string& name, const std::string& content) {
    std::string path = BesideProgram(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(OddLibraries, MissingFilesAreNamed) {
    std::string path = BesideProgram("no_such_pack.dll");
    EXPECT_EQ("The pack file \"" + path + "\" does not exist.", LoadError(path));
    std::string inMissingFolder = BesideProgram("no_such_folder\\Velpack.dll");
    EXPECT_EQ("The pack file \"" + inMissingFolder + "\" does not exist.", LoadError(inMissingFolder));
    EXPECT_EQ(PackFailure::FileMissing, LoadFailure(path));
}

TEST(OddLibraries, FilesThatAreNoLibrariesAreNotLoaded) {
    std::string text = WriteFile("renamed_text.dll", "This is a text file, not a library.\r\n");
    std::string empty = WriteFile("empty_file.dll", "");
    for (const std::string& path : {text, empty}) {
        std::string error = LoadError(path);
        EXPECT_EQ(0u, error.find("The pack file \"" + path + "\" could not be loaded (system error "))
            << error;
        EXPECT_EQ(std::string::npos, error.find("%1")) << error;
    }
    EXPECT_NE(std::string::npos, LoadError(text).find("(system error 193)")) << LoadError(text);
    EXPECT_EQ(PackFailure::NotLoadable, LoadFailure(text));
}

TEST(OddLibraries, LibraryWhoseStartUpFailsIsNotLoaded) {
    std::string path = BesideProgram("failing_start.dll");
    std::string error = LoadError(path);
    EXPECT_EQ(0u, error.find("The pack file \"" + path + "\" could not be loaded (system error 1114)"))
        << error;
    EXPECT_EQ(error, LoadError(path));  // a second try fails the same way
    EXPECT_EQ(nullptr, GetModuleHandleA(path.c_str()));
    EXPECT_EQ(PackFailure::NotLoadable, LoadFailure(path));
}

TEST(OddLibraries, LibraryWithoutEntryPointsIsNoPack) {
    std::string path = BesideProgram("not_a_pack.dll");
    EXPECT_EQ("\"" + path + "\" is not a component pack: it exports none of the pack entry points.",
              LoadError(path));
    EXPECT_EQ(PackFailure::NotAPack, LoadFailure(path));
    EXPECT_NE(nullptr, GetModuleHandleA(path.c_str()));  // loaded once, it is never unloaded
}

TEST(OddLibraries, LibraryWithoutRegistrationNamesTheMissingEntry) {
    std::string path = BesideProgram("partial_pack.dll");
    EXPECT_EQ("The pack \"" + path + "\" does not export the entry point \"REGISTER@0\".",
              LoadError(path));
    EXPECT_EQ(PackFailure::MissingEntry, LoadFailure(path));
}

class CraftedPack : public ::testing::Test {
protected:
    std::string Expected(const std::string& tail) { return "The pack \"" + pack.Path() + "\" " + tail; }
    std::string InfoError(const std::string& name) {
        return ErrorOf([&] { pack.PropertyInfoOf(nullptr, name); });
    }
    PackLibrary pack{BesideProgram("crafted_pack.dll")};
};

TEST_F(CraftedPack, LoadsWithOnlyTheRegistrationRequired) {
    EXPECT_EQ("Tests:QCrafted", pack.RegistrationText());
    EXPECT_TRUE(pack.Has(PackEntry::GetPropInfo));
    EXPECT_FALSE(pack.Has(PackEntry::Version));
    EXPECT_FALSE(pack.Has(PackEntry::GetPropList));
    EXPECT_FALSE(pack.Has(PackEntry::SetPropValue));
    EXPECT_EQ(Expected("does not export the entry point \"GETPROPLIST@4\"."),
              ErrorOf([&] { pack.PropertyNames(nullptr); }));
    EXPECT_EQ(Expected("does not export the entry point \"VERSION@0\"."),
              ErrorOf([&] { pack.VersionText(); }));
    EXPECT_EQ(Expected("does not export the entry point \"SETPROPVALUE@12\"."),
              ErrorOf([&] { pack.SetPropertyValue(nullptr, "plain", "1"); }));
}

TEST_F(CraftedPack, KindsAreJudgedByTheirLowByte) {
    std::optional<PropertyInfo> high = pack.PropertyInfoOf(nullptr, "highbytes");
    ASSERT_TRUE(high);
    EXPECT_EQ(pkEnumeration, high->kind);
    EXPECT_EQ(0x500 | pkEnumeration, high->rawKind);
    EXPECT_EQ("a,b", high->items);
    EXPECT_EQ(Expected("returned a bad property record for \"unknownkind\": kind 99 is not a property kind."),
              InfoError("unknownkind"));
    EXPECT_EQ(Expected("returned a bad property record for \"negativekind\": kind -1 is not a property kind."),
              InfoError("negativekind"));
    EXPECT_EQ(PackFailure::BadRecord, FailureOf([&] { pack.PropertyInfoOf(nullptr, "unknownkind"); }));
}

TEST_F(CraftedPack, NullTextsAreNoTexts) {
    std::optional<PropertyInfo> nulls = pack.PropertyInfoOf(nullptr, "nulls");
    ASSERT_TRUE(nulls);
    EXPECT_EQ(pkInteger, nulls->kind);
    EXPECT_FALSE(nulls->typeName || nulls->items || nulls->value || nulls->editor);
    EXPECT_FALSE(pack.PropertyInfoOf(nullptr, "unknown"));
    EXPECT_FALSE(pack.PropertyValue(nullptr, "unknown"));
    EXPECT_EQ("plain value", pack.PropertyValue(nullptr, "plain"));
}

TEST_F(CraftedPack, WildPointersAreReportedNotFollowed) {
    EXPECT_EQ(Expected("returned a bad property record for \"wildrecord\": it lies outside readable memory."),
              InfoError("wildrecord"));
    EXPECT_EQ(Expected("returned a bad property record for \"wilditems\": its items field does not hold "
                       "a readable text."),
              InfoError("wilditems"));
    EXPECT_EQ(Expected("returned a bad property record for \"endlessvalue\": its value field does not hold "
                       "a readable text."),
              InfoError("endlessvalue"));
    EXPECT_EQ(Expected("returned an unreadable text from \"GETPROPVALUE@8\"."),
              ErrorOf([&] { pack.PropertyValue(nullptr, "wild"); }));
    EXPECT_EQ(Expected("returned an unreadable text from \"GETPROPVALUE@8\"."),
              ErrorOf([&] { pack.PropertyValue(nullptr, "endless"); }));
    EXPECT_EQ(PackFailure::UnreadableText, FailureOf([&] { pack.PropertyValue(nullptr, "wild"); }));
}

TEST_F(CraftedPack, TextsMayCrossFromOneMemoryRegionIntoTheNext) {
    std::optional<PropertyInfo> across = pack.PropertyInfoOf(nullptr, "acrossregions");
    ASSERT_TRUE(across);
    EXPECT_EQ(std::string(100, 'y'), across->value);
}

}  // namespace
}  // namespace tavrin
