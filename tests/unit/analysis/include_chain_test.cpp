// The files a page reaches through its include lines, found where the
// compiler looks, and kept until the include lines change.
#include <gtest/gtest.h>

#include "analysis/include_chain.h"
#include "common/file_search.h"
#include "support/temp_folder.h"

namespace tavrin::test {
namespace {

TEST(IncludeChain, IncludeNamesComeFromIncludeLinesOnly) {
    std::string text =
        "#include once \"windows.bi\"\r\n"
        "  #INCLUDE \"crt/string.bi\" ' the C strings\r\n"
        "#  include once\"b.bi\"\r\n"
        "#include\"c.bi\"\r\n"
        "' #include \"commented.bi\"\r\n"
        "/' #include \"blocked.bi\"\r\n"
        "#include \"still blocked.bi\" '/\r\n"
        "#inclib \"user32\"\r\n"
        "#includex \"x.bi\"\r\n"
        "#include once \"\"\r\n"
        "#include missing_quotes.bi\r\n"
        "print \"#include \"\"no.bi\"\"\"\r\n"
        "x = 1 : #include \"after_colon.bi\"\r\n";
    EXPECT_EQ(IncludeNames(text), (std::vector<std::string>{"windows.bi", "crt/string.bi", "b.bi", "c.bi",
                                                           "after_colon.bi"}));
}

TEST(IncludeChain, PathKeysCompareAnySpellingOfOneFile) {
    EXPECT_EQ(IncludePathKey("C:\\FB\\inc\\win/../win/./WinDef.bi"), "c:\\fb\\inc\\win\\windef.bi");
    EXPECT_EQ(IncludePathKey("c:/fb//inc/win\\windef.bi"), "c:\\fb\\inc\\win\\windef.bi");
    EXPECT_EQ(IncludePathKey("/tmp/x\\a.bi"), "\\tmp\\x\\a.bi");
    EXPECT_EQ(IncludePathKey("\\\\server\\share\\a.bi"), "\\\\server\\share\\a.bi");
    EXPECT_EQ(IncludePathKey("../a.bi"), "..\\a.bi") << "a \"..\" with nothing to take back stays";
}

class IncludeTree : public testing::Test {
protected:
    void SetUp() override {
        folder.Write("page/local.bi", "#include \"page_only.bi\"\n");
        folder.Write("page/page_only.bi", "");
        folder.Write("fb/inc/local.bi", "' the compiler's file of the same name\n");
        folder.Write("fb/inc/windows.bi", "#include once \"win/windef.bi\"\n#include once \"absent.bi\"\n");
        folder.Write("fb/inc/win/windef.bi",
                     "#include once \"winnt.bi\"\n#include once \"crt/long.bi\"\n");
        folder.Write("fb/inc/win/winnt.bi", "#include once \"../windows.bi\"\n#include \"windef.bi\"\n");
        folder.Write("fb/inc/crt/long.bi", "");
        folder.Write("fb/inc/mine.bi", "");
        folder.Write("fb/inc/gdiplus.bi", "");
        folder.Write("user/mine.bi", "#include \"gdiplus.bi\"\n");
        pageFolder = folder.Path("page");
        searchFolders = {folder.Path("user"), JoinPath(folder.Path("fb"), "inc")};
    }
    std::vector<std::string> Reached(const IncludeChain& chain) {
        std::vector<std::string> names;
        for (const std::string& file : chain.Files()) names.push_back(IncludePathKey(file.substr(folder.Path().size())));
        return names;
    }
    TempFolder folder;
    std::string pageFolder;
    std::vector<std::string> searchFolders;
};

TEST_F(IncludeTree, NamesAreFoundBesideTheIncluderThenInTheSearchFolders) {
    IncludeChain chain = ResolveIncludeChain(pageFolder, {"local.bi", "windows.bi", "mine.bi"}, searchFolders);
    EXPECT_EQ(Reached(chain), (std::vector<std::string>{
                                  "\\page\\local.bi", "\\fb\\inc\\windows.bi", "\\user\\mine.bi",
                                  "\\page\\page_only.bi", "\\fb\\inc\\win\\windef.bi", "\\fb\\inc\\gdiplus.bi",
                                  "\\fb\\inc\\win\\winnt.bi", "\\fb\\inc\\crt\\long.bi"}));
    EXPECT_TRUE(chain.Reaches(folder.Path("fb") + "\\inc\\WIN\\WinDef.bi"));
    EXPECT_FALSE(chain.Reaches(folder.Path("fb") + "\\inc\\local.bi")) << "the page's own folder comes first";
    EXPECT_FALSE(chain.Reaches(folder.Path("fb") + "\\inc\\mine.bi")) << "the include directories come before inc";
    std::vector<std::string> local;
    for (const std::string& file : chain.LocalFiles()) local.push_back(IncludePathKey(file.substr(folder.Path().size())));
    EXPECT_EQ(local, (std::vector<std::string>{"\\page\\local.bi", "\\page\\page_only.bi"}))
        << "only the files beside the page are its own headers";
}

TEST_F(IncludeTree, APageNeverSavedStillReachesTheSearchFolders) {
    IncludeChain chain = ResolveIncludeChain("", {"local.bi", "nowhere.bi"}, searchFolders);
    EXPECT_EQ(Reached(chain), std::vector<std::string>{"\\fb\\inc\\local.bi"});
    EXPECT_EQ(ResolveIncludeChain(pageFolder, {}, searchFolders).Count(), 0u);
    EXPECT_EQ(ResolveIncludeChain(pageFolder, {"windows.bi"}, {}).Count(), 0u) << "no folders, nothing found";
}

TEST_F(IncludeTree, TheCacheResolvesAgainOnlyWhenTheIncludeLinesChange) {
    IncludeChainCache cache(2);
    auto first = cache.Chain(pageFolder, {"windows.bi"}, searchFolders);
    EXPECT_EQ(first->Count(), 4u);
    EXPECT_EQ(cache.Resolutions(), 1u);
    folder.Write("fb/inc/win/windef.bi", "#include once \"late.bi\"\n");
    folder.Write("fb/inc/win/late.bi", "");
    EXPECT_EQ(cache.Chain(pageFolder, {"windows.bi"}, searchFolders), first) << "kept";
    EXPECT_EQ(cache.Resolutions(), 1u);

    EXPECT_EQ(cache.Chain(pageFolder, {"windows.bi", "mine.bi"}, searchFolders)->Count(), 5u);
    EXPECT_EQ(cache.Resolutions(), 2u);
    EXPECT_EQ(cache.Chain(pageFolder, {"windows.bi"}, searchFolders)->Count(), 4u) << "the older one is kept too";
    EXPECT_EQ(cache.Chain("", {"windows.bi"}, searchFolders)->Count(), 3u) << "another folder is another chain";
    EXPECT_EQ(cache.Resolutions(), 3u);
    folder.Write("fb/inc/win/late.bi", "#include \"crt/long.bi\"\n");
    EXPECT_EQ(cache.Chain(pageFolder, {"windows.bi", "mine.bi"}, searchFolders)->Count(), 6u)
        << "dropped beyond the capacity, then resolved afresh";
    EXPECT_EQ(cache.Chain(pageFolder, {"windows.bi"}, {searchFolders[1]})->Count(), 4u)
        << "other folders, another chain";
    EXPECT_EQ(cache.Resolutions(), 5u);
}

TEST(IncludeChain, SearchFoldersAreTheIncludeDirectoriesThenTheCompilersInc) {
    EXPECT_EQ(IncludeSearchFolders({"C:\\mine", "  ", "D:\\lib\\"}, "C:\\FreeBASIC\\fbc.exe"),
              (std::vector<std::string>{"C:\\mine", "D:\\lib\\", "C:\\FreeBASIC\\inc"}));
    EXPECT_EQ(IncludeSearchFolders({}, ""), std::vector<std::string>{});
}

}  // namespace
}  // namespace tavrin::test
