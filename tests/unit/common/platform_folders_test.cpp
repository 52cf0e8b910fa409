// Folders and claims on files: a claim keeps every other claim on the same
// file out until it is released, moved claims stay held, and folders are
// made and removed as asked.
#include "common/platform_folders.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

TEST(FileClaim, OneHolderAtATimeUntilReleasedOrMoved) {
    test::TempFolder folder;
    const std::string lock = folder.Path("session.lock");
    FileClaim first(lock);
    ASSERT_TRUE(first.Held());
    EXPECT_TRUE(test::Exists(lock)) << "the claim file is created";
    EXPECT_FALSE(FileClaim(lock).Held()) << "a second claim on a held file";

    FileClaim moved(std::move(first));
    EXPECT_FALSE(first.Held());
    EXPECT_TRUE(moved.Held());
    EXPECT_FALSE(FileClaim(lock).Held()) << "the moved claim was dropped";

    FileClaim other;
    other = std::move(moved);
    EXPECT_FALSE(FileClaim(lock).Held());
    other.Release();
    EXPECT_FALSE(other.Held());
    FileClaim again(lock);
    EXPECT_TRUE(again.Held()) << "a released file can be claimed again";
    EXPECT_FALSE(FileClaim(folder.Path("missing\\sub\\x.lock")).Held()) << "no folder, no claim";
}

TEST(PlatformFolders, FoldersAreMadeWithTheirParentsAndOnlyEmptyOnesRemoved) {
    test::TempFolder folder;
    const std::string deep = folder.Path("a") + "\\b\\c";
    EXPECT_FALSE(CreateFolder(deep)) << "a single folder needs its parent";
    ASSERT_TRUE(CreateFolders(deep));
    EXPECT_TRUE(CreateFolders(deep)) << "an existing folder counts as made";
    test::WriteBytes(folder.Path("a/b/c/file.txt"), "x");
    EXPECT_FALSE(RemoveEmptyFolder(deep));
    EXPECT_TRUE(RemoveFile(deep + "\\file.txt"));
    EXPECT_FALSE(RemoveFile(deep + "\\file.txt")) << "nothing left to remove";
    EXPECT_TRUE(RemoveEmptyFolder(deep));
    EXPECT_FALSE(test::Exists(folder.Path("a/b/c")));
    test::WriteBytes(folder.Path("plain"), "a file");
    EXPECT_FALSE(CreateFolders(folder.Path("plain") + "\\sub")) << "a file stands where a folder is needed";
}

}  // namespace
}  // namespace tavrin
