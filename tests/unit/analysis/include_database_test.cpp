// The include database: its file, its build from include folders, lookups
// and members read on demand.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/include_database.h"
#include "analysis_test_support.h"
#include "common/file_search.h"
#include "common/message_pump.h"
#include "common/prompts.h"

namespace tavrin::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RecordingPrompts : public Prompts {
public:
    std::vector<std::string> shown;
    void Information(const std::string& text) override { shown.push_back(text); }
    void Error(const std::string& text) override { shown.push_back("error: " + text); }
    Answer ConfirmYesNo(const std::string&) override { return Answer::No; }
    Answer ConfirmYesNoCancel(const std::string&) override { return Answer::Cancel; }
    FileBoxResult OpenFile(const FileBoxRequest&) override { return {}; }
    FileBoxResult SaveFile(const FileBoxRequest&) override { return {}; }
    bool ChooseFolder(const std::string&, std::string&) override { return false; }
    bool InputBox(const std::string&, const std::string&, std::string&) override { return false; }
    bool PickColor(unsigned&) override { return false; }
    bool PickFont(std::string&, int&) override { return false; }
};

class DataBaseTest : public ScannerTest {
protected:
    void SetUp() override {
        ScannerTest::SetUp();
        SetScanReportSink([this](const std::string& line) { reports.push_back(line); });
    }
    void TearDown() override {
        SetScanReportSink(nullptr);
        ScannerTest::TearDown();
    }
    TempFolder folder;
    std::string dbPath = JoinPath(folder.Path(), "DataBase.ini");
    TDataBase db{dbPath};
};

TEST_F(DataBaseTest, LoadedLineIsFoundInAnyLetterCase) {
    folder.Write("DataBase.ini", "RECT=C:\\fb\\inc\\win\\windef.bi\r\nPOINT=C:\\a.bi\r\n");
    ASSERT_TRUE(db.LoadDataBase());
    EXPECT_TRUE(db.IsBuilt());
    auto rect = db.FindEntry("rect");
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->Name(), "RECT");
    EXPECT_EQ(rect->FileName(), "C:\\fb\\inc\\win\\windef.bi");
    EXPECT_EQ(db.FindEntry("Point"), db.Entries()[1]);
    EXPECT_EQ(db.FindEntry("POINTS"), nullptr);
    EXPECT_EQ(db.TypeNamesText(), "RECT\nPOINT");
}

TEST_F(DataBaseTest, MissingOrEmptyFileGivesAnEmptyDatabase) {
    EXPECT_FALSE(db.LoadDataBase());
    EXPECT_FALSE(db.IsBuilt());
    folder.Write("DataBase.ini", "");
    db.Add(std::make_shared<TField>());
    EXPECT_TRUE(db.LoadDataBase());
    EXPECT_EQ(db.Count(), 0u);
    EXPECT_FALSE(db.IsBuilt());
}

TEST_F(DataBaseTest, MalformedLinesLoadWithoutLoss) {
    FieldList entries;
    const char text[] = "NoEquals\n\n   \r\n=OnlyFile\rA=b=c\r\n\x01\x00\xff=junk\xfe\n";
    TDataBase::ParseDataBaseText(std::string(text, sizeof text - 1), entries);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0]->Name(), "");
    EXPECT_EQ(entries[0]->FileName(), "NoEquals");
    EXPECT_EQ(entries[1]->Name(), "");
    EXPECT_EQ(entries[1]->FileName(), "OnlyFile");
    EXPECT_EQ(entries[2]->Name(), "A");
    EXPECT_EQ(entries[2]->FileName(), "b=c");
    EXPECT_EQ(entries[3]->Name(), std::string("\x01\x00\xff", 3));
    EXPECT_EQ(entries[3]->FileName(), "junk\xfe");
}

TEST_F(DataBaseTest, SaveWritesCrLfLinesAndRoundTrips) {
    folder.Write("DataBase.ini", "Old=old.bi\r\n");
    std::string text = "A=C:\\inc\\a.bi\r\nB=C:\\inc\\b.bi\r\n=NoName\r\nC=x=y\r\n";
    FieldList parsed;
    TDataBase::ParseDataBaseText(text, parsed);
    for (auto& entry : parsed) db.Add(entry);
    ASSERT_TRUE(db.SaveDataBase());
    EXPECT_EQ(ReadFile(dbPath), text);
    TDataBase loaded(dbPath);
    ASSERT_TRUE(loaded.LoadDataBase());
    EXPECT_EQ(loaded.DataBaseText(), text);
    // Only the database file is left: the temporary file replaced it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()), 1);

    TDataBase empty(dbPath);
    ASSERT_TRUE(empty.SaveDataBase());
    EXPECT_EQ(ReadFile(dbPath), "");
}

TEST_F(DataBaseTest, FailedSaveReportsFailure) {
    TDataBase nowhere(JoinPath(folder.Path(), "missing\\DataBase.ini"));
    nowhere.Add(std::make_shared<TField>());
    EXPECT_FALSE(nowhere.SaveDataBase());
}

TEST_F(DataBaseTest, BuildFromFoldersCollectsTypesInScanOrder) {
    folder.Write("fb/inc/windows.bi",
                 "type RECT\n left as long\nend type\ntype LPRECT as RECT ptr\n");
    folder.Write("fb/inc/win/b.bi", "type POINT\nx as long\ny as long\nend type\n");
    folder.Write("fb/inc/skip.bas", "type NotAnInclude\nend type\n");
    folder.Write("fb/inc/.hidden/c.bi", "type Hidden\nend type\n");
    folder.Write("user/a.bas", "type RECT\nend type\n");
    folder.Write("user/sub/x.inc", "type FromInc\nend type\nend\n");
    folder.Write("user/notes.txt", "type NotSource\nend type\n");
    folder.Write("user/empty.bi", "");

    std::vector<std::string> begun, ended;
    db.OnScanBegin = [&](const std::string& file) { begun.push_back(file); };
    db.OnScanEnd = [&](const std::string& text) { ended.push_back(text); };
    std::string fb = JoinPath(folder.Path(), "fb");
    std::string user = JoinPath(folder.Path(), "user");
    db.AddCompilerIncludes(fb);
    db.AddFolder(user);
    db.AddFolder(JoinPath(folder.Path(), "absent"));

    EXPECT_EQ(db.CompilerFolder(), fb);
    EXPECT_EQ(db.LastFolder(), JoinPath(folder.Path(), "absent"));
    EXPECT_EQ(db.FileList(),
              (std::vector<std::string>{fb + "\\inc\\windows.bi", fb + "\\inc\\win\\b.bi",
                                        user + "\\a.bas", user + "\\empty.bi",
                                        user + "\\sub\\x.inc"}));
    EXPECT_EQ(db.TypeNames(),
              (std::vector<std::string>{"RECT", "LPRECT", "POINT", "RECT", "FromInc"}));
    EXPECT_EQ(db.Entries()[1]->FileName(), fb + "\\inc\\windows.bi");
    EXPECT_EQ(begun.size(), 4u);  // the empty file starts no scan
    ASSERT_EQ(ended.size(), 4u);
    EXPECT_EQ(ended[0].rfind("Scan tine :", 0), 0u);
    EXPECT_EQ(reports, std::vector<std::string>{user + "\\sub\\x.inc(2) Line: end"});
    // The first of two declarations wins.
    EXPECT_EQ(db.FindEntry("rect")->FileName(), fb + "\\inc\\windows.bi");
}

TEST_F(DataBaseTest, BuildAskedForDuringABuildIsIgnored) {
    folder.Write("a/x.bi", "type X\nend type\n");
    folder.Write("b/y.bi", "type Y\nend type\n");
    int pumps = 0;
    SetMessagePump([&] {
        if (pumps++ == 0) db.AddFolder(JoinPath(folder.Path(), "b"));
    });
    db.AddFolder(JoinPath(folder.Path(), "a"));
    SetMessagePump(nullptr);
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(db.TypeNames(), std::vector<std::string>{"X"});
    db.AddFolder(JoinPath(folder.Path(), "b"));
    EXPECT_EQ(db.TypeNames(), (std::vector<std::string>{"X", "Y"}));
}

TEST_F(DataBaseTest, ScanTimeTextHasTwoDecimals) {
    EXPECT_EQ(TDataBase::ScanTimeText(1234.5), "Scan tine :1.23 sec(s)");
    EXPECT_EQ(TDataBase::ScanTimeText(0), "Scan tine :0.00 sec(s)");
}

TEST_F(DataBaseTest, MembersAreReadOnDemandAndReplaced) {
    std::string file = folder.Write("inc/shapes.bi",
                                    "type _RECT\n left as long\n top as long\nend type\n"
                                    "type RECT as _RECT\ntype LOOP1 as LOOP2\ntype LOOP2 as LOOP1\n"
                                    "type Empty\nend type\n");
    folder.Write("DataBase.ini", "rect=" + file + "\r\nEmpty=" + file + "\r\nLoop1=" + file +
                                     "\r\nGone=" + file + ".missing\r\n");
    ASSERT_TRUE(db.LoadDataBase());
    auto rect = db.FindEntry("RECT");
    EXPECT_EQ(db.ResolveFields(*rect), 2);
    EXPECT_EQ(db.ResolveFields(*rect), 2);
    EXPECT_EQ(NamesOf(rect->Fields), (std::vector<std::string>{"left", "top"}));
    EXPECT_EQ(db.ResolveFields(*db.FindEntry("empty")), 0);
    EXPECT_EQ(db.ResolveFields(*db.FindEntry("loop1")), 0);
    EXPECT_EQ(db.ResolveFields(*db.FindEntry("gone")), 0);

    RecordingPrompts prompts;
    SetUserPrompts(&prompts);
    db.ShowEntry("  RECT ");
    db.ShowEntry("Empty");
    db.ShowEntry("Unknown");
    SetUserPrompts(nullptr);
    EXPECT_EQ(prompts.shown, std::vector<std::string>{"rect\nleft\ntop"});
}

}  // namespace
}  // namespace tavrin::test
