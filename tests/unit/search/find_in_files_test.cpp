#include "search/find_in_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_search.h"
#include "search/file_text_cache.h"
#include "search/text_matcher.h"
#include "support/temp_folder.h"
#include "text_buffer.h"

namespace tavrin {
namespace {

using test::TempFolder;
using test::TextBuffer;

struct FindInFilesTest : ::testing::Test {
    TempFolder folder;
    std::vector<std::string> reports, folders;
    FindInFilesEvents events;

    void SetUp() override {
        events.report = [this](const std::string& line) { reports.push_back(line); };
        events.folder = [this](const std::string& name) { folders.push_back(name); };
    }
    // The path as the search builds it (folder + "\" + name).
    std::string Joined(const std::string& relative) const {
        std::string name = relative;
        for (char& c : name)
            if (c == '/') c = '\\';
        return JoinPath(folder.Path(), name);
    }
    FindInFilesSummary InDirectory(FindInFilesQuery query) {
        query.place = SearchPlace::Directory;
        query.folder = folder.Path();
        return FindInFiles(query, {}, events);
    }
};

std::string Report(const std::string& path, int line) { return FindReportLine(path, line); }

FindInFilesQuery Query(std::string text, bool matchCase = false, bool wholeWord = false, bool regex = false) {
    FindInFilesQuery query;
    query.text = std::move(text);
    query.matchCase = matchCase;
    query.wholeWord = wholeWord;
    query.regex = regex;
    return query;
}

TEST_F(FindInFilesTest, LinesAreCountedFromOneWhateverTheLineEnds) {
    folder.Write("a.bas", "key at the start\r\nno\r\nkey key\r\n");
    folder.Write("b.bas", "x\ny\rz key\n\nkey");
    FindInFilesSummary summary = InDirectory(Query("key", false, true));
    std::string a = JoinPath(folder.Path(), "a.bas"), b = JoinPath(folder.Path(), "b.bas");
    EXPECT_EQ(reports, (std::vector<std::string>{Report(a, 1), Report(a, 3), Report(a, 3), Report(b, 3),
                                                 Report(b, 5)}));
    EXPECT_EQ(summary.files, 2);
    EXPECT_EQ(summary.occurrences, 5);
    EXPECT_EQ(reports[0], "Find in " + a + " at line:1");
}

TEST_F(FindInFilesTest, WholeWordMatchCaseAndRegularExpressions) {
    folder.Write("w.bi", "Window\nwindow\nwindows\nmywindow\nwindow_1 window(2)\n");
    std::string w = JoinPath(folder.Path(), "w.bi");
    InDirectory(Query("window", true, false));
    EXPECT_EQ(reports.size(), 5u);  // every line but the first (case)
    reports.clear();
    InDirectory(Query("window", true, true));
    EXPECT_EQ(reports, (std::vector<std::string>{Report(w, 2), Report(w, 5)}));
    reports.clear();
    InDirectory(Query("^window", false, false, true));
    EXPECT_EQ(reports, (std::vector<std::string>{Report(w, 1), Report(w, 2), Report(w, 3), Report(w, 5)}));
    EXPECT_THROW(InDirectory(Query("window(", false, false, true)), SearchPatternError);
}

TEST_F(FindInFilesTest, MasksSubfoldersAndHiddenFolders) {
    folder.Write("top.bas", "key");
    folder.Write("top.txt", "key");
    folder.Write("Sub/inner.BI", "key");
    folder.Write("Sub/deeper/last.bas", "key");
    folder.Write(".git/x.bas", "key");
    FindInFilesQuery query = Query("key");
    query.masks = "*.bas; *.bi";
    InDirectory(query);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(JoinPath(folder.Path(), "top.bas"), 1),
                                                 Report(Joined("Sub/inner.BI"), 1),
                                                 Report(Joined("Sub/deeper/last.bas"), 1)}));
    EXPECT_EQ(folders, (std::vector<std::string>{folder.Path(), Joined("Sub"), Joined("Sub/deeper")}));
    reports.clear();
    query.subfolders = false;
    query.masks = "*.*";
    InDirectory(query);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(FindInFilesTest, OpenPagesAreSearchedInTheirEditors) {
    std::string saved = folder.Write("saved.bas", "old text\n");
    TextBuffer editor("first\nthe new key\nkey\n");
    std::vector<std::string> asked;
    events.editorOf = [&](const std::string& path) -> SearchTarget* {
        asked.push_back(path);
        return SamePath(path, saved) ? &editor : nullptr;
    };
    std::vector<std::string> open{saved, "Untitled1"};
    FindInFilesQuery query = Query("key");
    FindInFilesSummary summary = FindInFiles(query, open, events);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(saved, 2), Report(saved, 3)}));
    EXPECT_EQ(summary.files, 1);  // a page without a file is left out
    EXPECT_EQ(asked, (std::vector<std::string>{saved}));
    EXPECT_EQ(editor.SelectionStart(), 18u);  // the last occurrence
    EXPECT_EQ(editor.Selected(), "key");
    // The directory search uses the editor of a file that is open too.
    reports.clear();
    query = Query("new");
    query.place = SearchPlace::Directory;
    query.folder = folder.Path();
    summary = FindInFiles(query, open, events);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(JoinPath(folder.Path(), "saved.bas"), 2)}));
}

TEST_F(FindInFilesTest, StoppingEndsTheSearchBeforeTheNextFile) {
    for (const char* name : {"1.bas", "2.bas", "3.bas"}) folder.Write(name, "key");
    int asked = 0;
    events.keepGoing = [&] { return ++asked < 2; };
    FindInFilesSummary summary = InDirectory(Query("key"));
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.files, 1);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(FindInFilesTest, ProjectFilesComeFromTheProject) {
    std::string unit = folder.Write("unit.bas", "\n\nkey");
    FindInFilesQuery query = Query("key");
    query.place = SearchPlace::ProjectFiles;
    FindInFiles(query, {}, events);
    EXPECT_TRUE(reports.empty());  // no project
    events.projectFiles = [&] { return std::vector<std::string>{unit, folder.Path("missing.bas")}; };
    FindInFilesSummary summary = FindInFiles(query, {}, events);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(unit, 3)}));
    EXPECT_EQ(summary.files, 1);
}

TEST_F(FindInFilesTest, UnicodeFilesAreSearchedAsTheEditorShowsThem) {
    // "a\r\nkey" in UTF-16 LE with its byte-order mark.
    folder.Write("wide.bas", std::string("\xFF\xFE" "a\0\r\0\n\0k\0e\0y\0", 14));
    InDirectory(Query("key"));
    EXPECT_EQ(reports, (std::vector<std::string>{Report(JoinPath(folder.Path(), "wide.bas"), 2)}));
}

TEST_F(FindInFilesTest, ManyFilesAreReportedInFolderAndNameOrder) {
    std::vector<std::string> expected;
    for (const char* sub : {"a", "b/c", "d"})
        for (int i = 0; i < 60; ++i) {
            // The key on line i % 7 + 1 of files of different sizes.
            std::string text(static_cast<std::size_t>(i % 7), '\n');
            text += "key" + std::string(static_cast<std::size_t>(i * 997 % 20000), '.');
            std::string name = std::string(sub) + "/f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".bi";
            folder.Write(name, text);
            expected.push_back(Report(Joined(name), i % 7 + 1));
        }
    FindInFilesSummary summary = InDirectory(Query("key"));
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(summary.filesRead, 180);
}

TEST_F(FindInFilesTest, KeptTextsAreSearchedWithoutReadingUntilTheFileChanges) {
    folder.Write("one.bas", "key\n");
    folder.Write("two.bas", "\nkey\n");
    FileTextCache cache;
    FindInFilesQuery query = Query("key");
    query.place = SearchPlace::Directory;
    query.folder = folder.Path();
    EXPECT_EQ(FindInFiles(query, {}, events, &cache).filesRead, 2);
    reports.clear();
    FindInFilesSummary again = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(again.filesRead, 0);
    EXPECT_EQ(again.occurrences, 2);
    folder.Write("one.bas", "\n\nkey and key\n");  // another size: another stamp
    reports.clear();
    FindInFilesSummary changed = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(changed.filesRead, 1);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(Joined("one.bas"), 3), Report(Joined("one.bas"), 3),
                                                 Report(Joined("two.bas"), 2)}));
}

// The files are read after their folder was listed: one that grew meanwhile
// is searched to its new end, an empty one is searched, and one gone by then
// is passed over without stopping the search.
TEST_F(FindInFilesTest, FilesChangedSinceTheListingAreSearchedAsTheyAreNow) {
    folder.Write("a.bas", "");
    folder.Write("b.bas", "short\n");
    folder.Write("c.bas", "key\n");
    folder.Write("d.bas", "key\n");
    int asked = 0;
    events.keepGoing = [&] {
        if (++asked == 1) {
            folder.Write("b.bas", "short\n" + std::string(70000, 'x') + "\nkey\n");
            std::filesystem::remove(folder.Path("c.bas"));
        }
        return true;
    };
    FileTextCache cache;
    FindInFilesQuery query = Query("key");
    query.place = SearchPlace::Directory;
    query.folder = folder.Path();
    FindInFilesSummary summary = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(reports, (std::vector<std::string>{Report(Joined("b.bas"), 3), Report(Joined("d.bas"), 1)}));
    EXPECT_EQ(summary.files, 3);
    EXPECT_EQ(summary.filesRead, 3);
    EXPECT_FALSE(summary.stopped);
}

TEST(FindInFilesPaths, SamePathIgnoresCaseAndSeparators) {
    EXPECT_TRUE(SamePath("C:\\Src/Main.BAS", "c:/src\\main.bas"));
    EXPECT_FALSE(SamePath("C:\\src\\main.bas", "C:\\src\\main.bi"));
    EXPECT_FALSE(SamePath("C:\\src\\a", "C:\\src\\ab"));
}

TEST(FindReportLine, ReadsBackTheFileAndTheLine) {
    auto position = ParseFindReportLine("Find in C:\\a at line:2 (x)\\m.bas at line:17\r\n");
    ASSERT_TRUE(position);
    EXPECT_EQ(position->path, "C:\\a at line:2 (x)\\m.bas");
    EXPECT_EQ(position->line, 17);
    for (const char* other : {"C:\\m.bas(12) error 1", "Find in C:\\m.bas at line:", "Find in  at line:3",
                              "Find in C:\\m.bas at line:0", "find in C:\\m.bas at line:3",
                              "Find in C:\\m.bas at line:99999999999"})
        EXPECT_FALSE(ParseFindReportLine(other)) << other;
}

}  // namespace
}  // namespace tavrin
