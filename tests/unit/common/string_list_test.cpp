#include "common/string_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "common/file_search.h"
#include "support/temp_folder.h"
#include "support/file_bytes.h"

namespace tavrin {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(StringList, EditsByPositionAndFindsWithoutCaseOrByObject) {
    int packA = 0, packB = 0;
    StringList list{"Velpack.dll", "other.dll"};
    list.Insert(0, "first.dll", &packA);
    list.Add("last.dll", &packB);
    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list[0], "first.dll");
    EXPECT_EQ(list.IndexOf("VELPACK.DLL"), 1);
    EXPECT_EQ(list.IndexOf("velpack"), -1);
    EXPECT_EQ(list.IndexOfObject(&packB), 3);
    EXPECT_EQ(list.IndexOfObject(&list), -1);
    list.Delete(0);
    EXPECT_EQ(list.IndexOfObject(&packA), -1);
    EXPECT_EQ(list.Texts(), (std::vector<std::string>{"Velpack.dll", "other.dll", "last.dll"}));
    list.Insert(list.Count(), "appended");
    EXPECT_EQ(list[3], "appended");
}

TEST(StringList, PositionsOutsideTheListThrowInsteadOfCorruptingMemory) {
    StringList list{"a"};
    EXPECT_THROW(list[1], std::out_of_range);
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    EXPECT_THROW(list.Insert(2, "x"), std::out_of_range);
    EXPECT_THROW(list.SetObject(5, nullptr), std::out_of_range);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(StringList, SplitsTextAtEveryKindOfLineBreakAndDropsObjects) {
    int pack = 0;
    StringList list;
    list.Add("old", &pack);
    list.SetFromText("one\r\ntwo\nthree\rfour\r\n\r\nsix");
    EXPECT_EQ(list.Texts(), (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(list.IndexOfObject(&pack), -1);
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n\r\nsix\r\n");
}

TEST(StringList, SavesAndLoadsOneEntryPerLine) {
    TempFolder folder;
    const std::string path = folder.Path("list.txt");
    StringList saved{"alpha", "", "gamma with spaces"};
    ASSERT_TRUE(saved.SaveToFile(path));
    EXPECT_EQ(ReadBytes(path), "alpha\r\n\r\ngamma with spaces\r\n");
    EXPECT_FALSE(Exists(path + ".tmp"));
    StringList loaded{"stale"};
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(loaded.Texts(), saved.Texts());
}

TEST(StringList, FailedLoadOrSaveLeavesListAndFileAsTheyWere) {
    TempFolder folder;
    StringList list{"kept"};
    EXPECT_FALSE(list.LoadFromFile(folder.Path("missing.txt")));
    EXPECT_EQ(list.Texts(), std::vector<std::string>{"kept"});
    EXPECT_FALSE(list.SaveToFile(folder.Path("no/such/folder/list.txt")));

    // The target cannot be replaced: it keeps its content.
    const std::string path = folder.Path("target.txt");
    std::filesystem::create_directories(path + "/inner");
    EXPECT_FALSE(list.SaveToFile(path));
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inner"));
}

TEST(WriteFileReplacing, ReplacementFailureKeepsTargetAndRemovesTemporaryFile) {
    TempFolder folder;
    const std::string target = folder.Path("is_a_folder");
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(target + "/inner");
    EXPECT_FALSE(WriteFileReplacing(target, "data"));
    EXPECT_TRUE(std::filesystem::is_directory(target + "/inner"));
    EXPECT_FALSE(Exists(target + ".tmp"));
}

TEST(ReadWholeFile, TellsMissingFromUnreadableAndKeepsNulBytes) {
    TempFolder folder;
    std::string content = "stale";
    EXPECT_EQ(ReadWholeFile(folder.Path("missing"), content), FileReadStatus::Missing);
    EXPECT_TRUE(content.empty());
    const std::string bytes("a\0b\xff", 4);
    WriteBytes(folder.Path("binary"), bytes);
    EXPECT_EQ(ReadWholeFile(folder.Path("binary"), content), FileReadStatus::Ok);
    EXPECT_EQ(content, bytes);
    std::filesystem::create_directory(folder.Path("folder"));
    EXPECT_EQ(ReadWholeFile(folder.Path("folder"), content), FileReadStatus::Failed);
}

// A folder listing's size spares the size query; the file may have changed
// since, and is still read whole, never cut at the listed size nor padded.
TEST(ReadFileBytes, ReadsTheWholeFileWhateverSizeTheListingGave) {
    TempFolder folder;
    const std::string big(100000, 'x');
    WriteBytes(folder.Path("grown"), big + "end");
    WriteBytes(folder.Path("shrunk"), "short");
    WriteBytes(folder.Path("empty"), "");
    std::string content = "stale";
    for (long long listed : {-1LL, 0LL, 10LL, 99999LL, 100003LL, 200000LL}) {
        SCOPED_TRACE(listed);
        EXPECT_EQ(ReadFileBytes(folder.Path("grown"), content, listed), FileReadStatus::Ok);
        EXPECT_EQ(content, big + "end");
        EXPECT_EQ(ReadFileBytes(folder.Path("shrunk"), content, listed), FileReadStatus::Ok);
        EXPECT_EQ(content, "short");
        EXPECT_EQ(ReadFileBytes(folder.Path("empty"), content, listed), FileReadStatus::Ok);
        EXPECT_EQ(content, "");
        content = "stale";
        EXPECT_EQ(ReadFileBytes(folder.Path("missing"), content, listed), FileReadStatus::Missing);
        EXPECT_TRUE(content.empty());
    }
}

// Files read by name inside their open folder come out as read by their whole
// path, names in the system's 8-bit code page included; a name that is not a
// plain one of the folder, or a folder that cannot be opened, still reads.
TEST(FolderFiles, ReadsByNameAsByTheWholePath) {
    TempFolder folder;
    // Paths as the workbench joins them (8-bit names go to the system as they are).
    auto path = [&](const std::string& name) { return NativePath(JoinPath(folder.Path(), name)); };
    WriteBytes(path("plain.bi"), "plain\r\n");
    WriteBytes(path("Mixed Case.bi"), std::string(70000, 'm'));
    std::filesystem::create_directory(folder.Path("sub"));
    WriteBytes(folder.Path("sub/inner.bi"), "inner");
    for (const std::string& name : {std::string("caf\xe9.bi"), std::string("dot.")}) {
        int file = CreateFileExclusively(path(name));
        ASSERT_GE(file, 0);
        ASSERT_EQ(WriteToFile(file, "8-bit", 5), 5);
        ASSERT_EQ(CloseFileDescriptor(file), 0);
    }

    std::vector<std::string> names, folders;
    ListFolderEntries(folder.Path(), names, folders);
    ASSERT_EQ(names.size(), 4u);
    FolderFiles files(folder.Path());
    std::string byName = "stale", byPath;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(files.Read(name, byName, 3), FileReadStatus::Ok);
        EXPECT_EQ(ReadFileBytes(path(name), byPath), FileReadStatus::Ok);
        EXPECT_EQ(byName, byPath);
        EXPECT_FALSE(byName.empty());
    }
    EXPECT_EQ(files.Read("sub\\inner.bi", byName), FileReadStatus::Ok);
    EXPECT_EQ(byName, "inner");
    EXPECT_EQ(files.Read("missing.bi", byName), FileReadStatus::Missing);
    EXPECT_TRUE(byName.empty());
    EXPECT_EQ(files.Read("sub", byName), FileReadStatus::Failed);

    FolderFiles gone(folder.Path("gone"));
    EXPECT_EQ(gone.Read("plain.bi", byName), FileReadStatus::Missing);
}

}  // namespace
}  // namespace tavrin
