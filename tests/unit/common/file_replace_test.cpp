// The replacing write that every file save goes through: its temporary file
// never takes a name a user's file has, never survives the write, and a
// read-only target is left as it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/string_list.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using test::ReadBytes;
using test::SetReadOnly;
using test::Writable;
using test::TempFolder;
using test::WriteBytes;

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFileReplacing, AUsersFilesNamedLikeTemporaryFilesAreLeftAlone) {
    TempFolder folder;
    const std::string target = folder.Path("y.bas");
    WriteBytes(target, "old");
    WriteBytes(target + ".tmp", "the user's own notes");
    std::filesystem::create_directory(target + ".new");
    std::filesystem::create_directory(target + "~");
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(WriteFileReplacing(target, "new " + std::to_string(i)));
    EXPECT_EQ(ReadBytes(target), "new 19");
    EXPECT_EQ(ReadBytes(target + ".tmp"), "the user's own notes");
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"y.bas", "y.bas.new", "y.bas.tmp", "y.bas~"}))
        << "no temporary file is left behind";
}

TEST(WriteFileReplacing, AFolderNamedLikeTheTemporaryFileDoesNotStopTheSave) {
    TempFolder folder;
    const std::string target = folder.Path("y.bas");
    WriteBytes(target, "old");
    std::filesystem::create_directory(target + ".tmp");
    EXPECT_TRUE(WriteFileReplacing(target, "new"));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_TRUE(std::filesystem::is_directory(target + ".tmp"));
}

TEST(WriteFileReplacing, AReadOnlyTargetIsNeitherReplacedNorMadeWritable) {
    TempFolder folder;
    const std::string target = folder.Path("read_only.bas");
    WriteBytes(target, "kept");
    SetReadOnly(target, true);
    EXPECT_FALSE(WriteFileReplacing(target, "lost"));
    EXPECT_EQ(ReadBytes(target), "kept");
    EXPECT_FALSE(Writable(target));
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"read_only.bas"});
    SetReadOnly(target, false);
}

TEST(WriteFileReplacing, AFailedReplacementRemovesOnlyItsOwnTemporaryFile) {
    TempFolder folder;
    const std::string target = folder.Path("is_a_folder");
    std::filesystem::create_directory(target);
    WriteBytes(folder.Path("is_a_folder.tmp"), "mine");
    EXPECT_FALSE(WriteFileReplacing(target, "data"));
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"is_a_folder", "is_a_folder.tmp"}));
    EXPECT_EQ(ReadBytes(folder.Path("is_a_folder.tmp")), "mine");
}

}  // namespace
}  // namespace tavrin
