// Where the settings live: beside a program whose folder can be written,
// in the user's application data otherwise, starting from the program
// folder's files without ever writing over the user's own.
#include "settings/app_data_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(SettingsLocation, BesideAWritableProgramElseInTheUsersData) {
    SettingsLocation beside = ChooseSettingsLocation("C:\\Tools\\Tavrin2\\Tavrin2.exe", true, "C:\\Users\\u\\AppData\\Roaming\\Tavrin2");
    EXPECT_FALSE(beside.inUserData);
    EXPECT_EQ(beside.folder, "C:\\Tools\\Tavrin2");
    EXPECT_EQ(beside.settingsFile, "C:\\Tools\\Tavrin2\\Tavrin2.ini");

    SettingsLocation installed =
        ChooseSettingsLocation("C:\\Program Files\\Tavrin2\\Tav.exe", false, UserDataFolderFor("C:\\Users\\u\\AppData\\Roaming"));
    EXPECT_TRUE(installed.inUserData);
    EXPECT_EQ(installed.folder, "C:\\Users\\u\\AppData\\Roaming\\Tavrin2");
    EXPECT_EQ(installed.settingsFile, "C:\\Users\\u\\AppData\\Roaming\\Tavrin2\\Tav.ini") << "named after the program";

    SettingsLocation nowhere = ChooseSettingsLocation("C:\\Program Files\\Tavrin2\\Tavrin2.exe", false, UserDataFolderFor(""));
    EXPECT_FALSE(nowhere.inUserData) << "no application-data folder known: the program's folder";
    EXPECT_EQ(nowhere.settingsFile, "C:\\Program Files\\Tavrin2\\Tavrin2.ini");
}

TEST(SettingsLocation, AProbeOfTheFolderLeavesNothingBehind) {
    test::TempFolder folder;
    EXPECT_TRUE(FolderAcceptsNewFiles(folder.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << "the probe file was left";
    EXPECT_FALSE(FolderAcceptsNewFiles(folder.Path("missing")));
    WriteBytes(folder.Path("file"), "x");
    EXPECT_FALSE(FolderAcceptsNewFiles(folder.Path("file"))) << "a file is no folder";
}

TEST(SettingsLocation, TheFirstStartInTheUsersDataTakesTheProgramFilesAndLaterOnesKeepTheUsers) {
    test::TempFolder folder;
    const std::string exe = folder.Write("program/Tavrin2.exe", "MZ");
    WriteBytes(folder.Path("program/Tavrin2.ini"), "[libs]\r\nVelpack.dll=true\r\n");
    WriteBytes(folder.Path("program/DataBase.ini"), "[database]\r\n");
    SettingsLocation location = ChooseSettingsLocation(exe, false, UserDataFolderFor(folder.Path("user") + "\\Roaming"));
    ASSERT_TRUE(PrepareSettingsLocation(location, exe));
    EXPECT_EQ(ReadBytes(folder.Path("user/Roaming/Tavrin2/Tavrin2.ini")), "[libs]\r\nVelpack.dll=true\r\n");
    EXPECT_EQ(ReadBytes(folder.Path("user/Roaming/Tavrin2/DataBase.ini")), "[database]\r\n");

    WriteBytes(folder.Path("user/Roaming/Tavrin2/Tavrin2.ini"), "[general]\r\ncompiler=C:\\fbc.exe\r\n");
    std::filesystem::remove(folder.Path("user/Roaming/Tavrin2/DataBase.ini"));
    WriteBytes(folder.Path("program/DataBase.ini"), "[database]\r\nnewer=1\r\n");
    ASSERT_TRUE(PrepareSettingsLocation(location, exe));
    EXPECT_EQ(ReadBytes(folder.Path("user/Roaming/Tavrin2/Tavrin2.ini")), "[general]\r\ncompiler=C:\\fbc.exe\r\n")
        << "the user's settings were replaced";
    EXPECT_EQ(ReadBytes(folder.Path("user/Roaming/Tavrin2/DataBase.ini")), "[database]\r\nnewer=1\r\n");
}

TEST(SettingsLocation, APortableCopyIsLeftAsItIsAndAnImpossibleFolderIsReported) {
    test::TempFolder folder;
    const std::string exe = folder.Write("program/Tavrin2.exe", "MZ");
    WriteBytes(folder.Path("program/Tavrin2.ini"), "[libs]\r\n");
    SettingsLocation beside = ChooseSettingsLocation(exe, true, folder.Path("user"));
    EXPECT_TRUE(PrepareSettingsLocation(beside, exe));
    EXPECT_FALSE(test::Exists(folder.Path("user")));

    WriteBytes(folder.Path("blocked"), "a file where the folder should be");
    SettingsLocation blocked = ChooseSettingsLocation(exe, false, UserDataFolderFor(folder.Path("blocked")));
    EXPECT_FALSE(PrepareSettingsLocation(blocked, exe));
}

}  // namespace
}  // namespace tavrin
