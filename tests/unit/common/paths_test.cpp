#include "common/paths.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(Paths, NameAndFolderSplitAtEitherSlash) {
    EXPECT_EQ(ExtractFileName("C:\\a b\\Main.EXE"), "Main.EXE");
    EXPECT_EQ(ExtractFileName("/tmp/x/y.exe"), "y.exe");
    EXPECT_EQ(ExtractFileName("y.exe"), "y.exe");
    EXPECT_EQ(ExtractFileName("C:\\dir\\"), "");
    EXPECT_EQ(ExtractFileDir("C:\\a b\\Main.EXE"), "C:\\a b");
    EXPECT_EQ(ExtractFileDir("C:name.bas"), "C:");
    EXPECT_EQ(ExtractFileDir("name.bas"), "");
}

TEST(Paths, ExtensionBelongsToTheNameOnly) {
    EXPECT_EQ(ChangeFileExt("C:\\p\\main.bas", ".ini"), "C:\\p\\main.ini");
    EXPECT_EQ(ChangeFileExt("C:\\v1.2 (x)\\main", ".exe"), "C:\\v1.2 (x)\\main.exe");
    EXPECT_EQ(ChangeFileExt("C:\\a.b\\c.d.bas", ".exe"), "C:\\a.b\\c.d.exe");
    EXPECT_EQ(ChangeFileExt("noext", ".rc"), "noext.rc");
}

}  // namespace
}  // namespace tavrin
