#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "packlib/lists/listerrors.h"
#include "packlib/lists/qlist.h"
#include "packlib/lists/qstringlist.h"

namespace {

struct Report {
    bool activeOwner;
    std::string text, caption;
};
std::vector<Report> reports;
std::vector<int> changes;

void Capture(bool activeOwner, const std::string& text, const std::string& caption) {
    reports.push_back({activeOwner, text, caption});
}

class Lists : public ::testing::Test {
protected:
    void SetUp() override {
        reports.clear();
        changes.clear();
        velpack::SetListErrorSink(Capture);
    }
    void TearDown() override { velpack::SetListErrorSink(nullptr); }
};

std::vector<QValue> Values(QList& list) {
    std::vector<QValue> values;
    for (int i = 0; i < list.Count(); ++i) values.push_back(list.Item(i));
    return values;
}

std::vector<std::string> Texts(QStringList& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) texts.push_back(list.Item(i));
    return texts;
}

TEST_F(Lists, ListKeepsOneSpareSlotAndReportsChanges) {
    QList list;
    list.OnChange = [](QList*, int code) { changes.push_back(code); };
    EXPECT_EQ(0, list.Count());
    EXPECT_TRUE(list.Items.empty());
    list.Add(10);
    list.Add(20);
    EXPECT_EQ(3u, list.Items.size());  // upper bound equals the number of items
    EXPECT_EQ(2, list.Count());
    list.Insert(1, 15);
    list.SetItem(0, 5);
    list.Exchange(5, 20);
    list.Delete(15);
    list.Clear();
    EXPECT_EQ((std::vector<int>{1, 1, 3, 6, 4, 2, 2}), changes);
    EXPECT_EQ(0, list.Count());
    EXPECT_TRUE(reports.empty());
}

TEST_F(Lists, ListInsertDeleteAndExchange) {
    QList list;
    list.Add(1);
    list.Add(2);
    list.Insert(1, 9);
    EXPECT_EQ((std::vector<QValue>{1, 9, 2}), Values(list));
    list.Insert(3, 7);  // inserting at the end is outside 0 to Count - 1
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Index out of range.3", reports[0].text);
    EXPECT_EQ("QList", reports[0].caption);
    EXPECT_TRUE(reports[0].activeOwner);
    list.Delete(9);
    list.Delete(42);  // absent: nothing changes
    EXPECT_EQ((std::vector<QValue>{1, 2}), Values(list));
    list.Exchange(1, 2);
    EXPECT_EQ((std::vector<QValue>{2, 1}), Values(list));
    list.Exchange(1, 3);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ("Out of range. Invalid string index.", reports[1].text);
    EXPECT_EQ("QList", reports[1].caption);
}

TEST_F(Lists, ListItemOutsideReportsAndReturnsZero) {
    QList list;
    list.Add(4);
    list.Add(5);
    EXPECT_EQ(0, list.Item(2));
    EXPECT_EQ(0, list.Item(-1));
    list.SetItem(7, 1);
    ASSERT_EQ(3u, reports.size());
    EXPECT_EQ("Index out of range.2..2", reports[0].text);
    EXPECT_EQ("Index out of range.-1..2", reports[1].text);
    EXPECT_EQ("Index out of range.7..2", reports[2].text);
    EXPECT_EQ((std::vector<QValue>{4, 5}), Values(list));
    QList empty;
    EXPECT_EQ(0, empty.Item(0));
    EXPECT_EQ("Index out of range.0..0", reports[3].text);
}

TEST_F(Lists, ListCountSetMovesTheAppendPoint) {
    QList list;
    list.Add(1);
    list.Add(2);
    list.Add(3);
    list.SetCount(1);
    list.Add(9);  // drops the later items
    EXPECT_EQ((std::vector<QValue>{1, 9}), Values(list));
    list.SetCount(4);
    list.Add(7);  // zero items between
    EXPECT_EQ((std::vector<QValue>{1, 9, 0, 0, 7}), Values(list));
    list.SetCount(-3);
    list.Add(8);  // a negative count appends at the start instead of failing
    EXPECT_EQ((std::vector<QValue>{8}), Values(list));
    if constexpr (sizeof(void*) == 4) {
        list.SetCount(2000000000);
        list.Add(1);  // more than a 32-bit process holds: nothing appended, no crash
        EXPECT_EQ(1, list.Count());
    }
}

TEST_F(Lists, StringListTextSplitsAtLineFeeds) {
    QStringList list;
    list.OnChange = [](QStringList*, int code) { changes.push_back(code); };
    list.SetText("a\nb\n");
    EXPECT_EQ((std::vector<std::string>{"a", "b", ""}), Texts(list));
    EXPECT_EQ((std::vector<int>{5, 6}), changes);
    list.SetText("a");
    EXPECT_EQ((std::vector<std::string>{"a"}), Texts(list));
    list.SetText("");
    EXPECT_EQ((std::vector<std::string>{""}), Texts(list));
    list.SetText("x\r\ny");
    EXPECT_EQ((std::vector<std::string>{"x\r", "y"}), Texts(list));
    EXPECT_EQ("x\r\ny", list.Text());
    QStringList empty;
    EXPECT_EQ("", empty.Text());
    list.SetDelimitedText(',', "one,two,,three");
    EXPECT_EQ((std::vector<std::string>{"one", "two", "", "three"}), Texts(list));
    EXPECT_EQ(0, list.Object(3));
}

TEST_F(Lists, StringListSearches) {
    QStringList list;
    list.Add("Left", 11);
    list.Add("Top", 22);
    EXPECT_EQ(0, list.IndexOf("LEFT"));
    EXPECT_EQ(-1, list.IndexOfExact("LEFT"));
    EXPECT_EQ(0, list.IndexOfExact("Left"));
    EXPECT_EQ(1, list.IndexOfObject(22));
    EXPECT_EQ(-1, list.IndexOfObject(33));
    EXPECT_EQ(-1, list.IndexOf("Width"));
}

TEST_F(Lists, StringListIndexErrors) {
    QStringList list;
    list.Add("a", 1);
    list.Add("b", 2);
    EXPECT_EQ("", list.Item(3));
    EXPECT_EQ(0, list.Object(2));
    list.Insert(2, "c");
    list.Exchange(0, 5);
    ASSERT_EQ(4u, reports.size());
    EXPECT_EQ("Index out of range.3..2", reports[0].text);
    EXPECT_EQ("QStringList", reports[0].caption);
    EXPECT_EQ("Index out of range.2..2", reports[1].text);
    EXPECT_EQ("Index out of range.2", reports[2].text);
    EXPECT_EQ("Out of range. Invalid string index.", reports[3].text);
    EXPECT_EQ("QList", reports[3].caption);
}

TEST_F(Lists, StringListEditsMoveTextsWithTheirReferences) {
    QStringList list;
    list.Add("a", 1);
    list.Add("b", 2);
    list.Insert(1, "x", 9);
    list.Exchange("a", "b");
    EXPECT_EQ((std::vector<std::string>{"b", "x", "a"}), Texts(list));
    EXPECT_EQ(2, list.Object(0));
    EXPECT_EQ(1, list.Object(2));
    list.Delete("X");
    EXPECT_EQ((std::vector<std::string>{"b", "a"}), Texts(list));
    EXPECT_EQ(1, list.Object(1));
    list.SetObject(0, 5);
    list.SetItem(0, "c");
    EXPECT_EQ("c", list.Item(0));
    EXPECT_EQ(5, list.Object(0));
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_TRUE(list.Texts.empty() && list.Objects.empty());
}

TEST_F(Lists, StringListSaveLeavesOtherFilesAndReadOnlyTargetsAlone) {
    auto folder = std::filesystem::temp_directory_path() / "velpack_lists_safety_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "list.txt.new");
    std::string name = (folder / "list.txt").string();
    { std::ofstream(name + ".tmp", std::ios::binary) << "the user's own"; }
    QStringList list;
    list.SetText("kept");
    list.SaveToFile(name);
    list.SaveToFile(name);
    EXPECT_TRUE(reports.empty());
    std::string mine;
    {
        std::ifstream file(name + ".tmp", std::ios::binary);
        mine.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    EXPECT_EQ("the user's own", mine);
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) entries += !entry.path().empty();
    EXPECT_EQ(3, entries) << "no temporary file is left behind";

    using std::filesystem::perms;
    std::filesystem::permissions(name, perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
    list.SetText("lost");
    list.SaveToFile(name);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Can't open file.", reports[0].text);
    QStringList loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(std::vector<std::string>{"kept"}, Texts(loaded));
    EXPECT_EQ(perms::none, std::filesystem::status(name).permissions() & perms::owner_write);
    std::filesystem::permissions(name, perms::owner_write, std::filesystem::perm_options::add);
    std::filesystem::remove_all(folder);
}

TEST_F(Lists, StringListFilesRoundTrip) {
    auto folder = std::filesystem::temp_directory_path() / "velpack_lists_test";
    std::filesystem::create_directories(folder);
    std::string name = (folder / "list.txt").string();
    QStringList list;
    list.SetText("first\nsecond");
    list.SaveToFile(name);
    std::string content;
    {
        std::ifstream file(name, std::ios::binary);
        content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    EXPECT_EQ("first\nsecond\r\n", content);  // nothing before the text
    EXPECT_FALSE(std::filesystem::exists(name + ".tmp"));
    QStringList loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), Texts(loaded));
    {
        std::ofstream crlf(name, std::ios::binary);
        crlf << "a\r\nb\r\n";
    }
    loaded.LoadFromFile(name);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Texts(loaded));
    EXPECT_TRUE(reports.empty());
    loaded.LoadFromFile((folder / "missing.txt").string());
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("File not exists.", reports[0].text);
    EXPECT_FALSE(reports[0].activeOwner);
    list.SaveToFile((folder / "no" / "such" / "dir.txt").string());
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ("Can't open file.", reports[1].text);
    EXPECT_EQ("QStringList", reports[1].caption);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
