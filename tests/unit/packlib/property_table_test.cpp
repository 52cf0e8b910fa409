// Property tables read by a small class of the test's own, chained to QObject's table the
// way the library's classes chain theirs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "packlib/core/object.h"
#include "packlib/core/property_access.h"

namespace {

using velpack::kEventClassName;
using velpack::kListed;
using velpack::kLowerName;
using velpack::kSpelledName;
using velpack::kUnlisted;
using velpack::PropertyName;
using velpack::ValueText;

class Sample : public QObject {
public:
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;

    int GetCount() { return Count; }
    void SetCount(int count) { Count = count * 10; }

    std::int32_t Count = 0;
    std::int32_t Level = 0;
    bool Flag = true;
    std::string Label = "first";
    std::string index;  // the index text the last indexed call saw
};

std::string Computed(Sample& sample) { return "label:" + sample.Label; }

ValueText IndexEcho(Sample& sample, const PropertyName& name) {
    sample.index = name.index;
    return "[" + name.index + "]";
}

using A = velpack::Access<Sample>;
const velpack::PropertyRow<Sample> kRows[] = {
    {"Count", kListed, {pkInteger, kSpelledName, kLowerName, nullptr}, A::Signed<&Sample::GetCount>,
     nullptr, A::SetInteger<&Sample::SetCount>},
    {"Hidden", kUnlisted, {pkInteger, "hiddentype", nullptr, nullptr}, A::Signed<&Sample::Level>,
     nullptr, A::SetRounded<&Sample::Level>},
    {"Flag", kListed, {pkBoolean, "boolean", "False,True", "FlagEditor"},
     A::MinusOneOrZero<&Sample::Flag>, A::TrueOrFalse<&Sample::Flag>, A::SetFlag<&Sample::Flag>},
    {"Label", kListed, {pkString, Computed, kSpelledName, nullptr}, A::Text<&Sample::Label>,
     A::NoValue, A::SetText<&Sample::Label>},
    {"onClick", kListed, {pkEvent, kEventClassName, kSpelledName, nullptr}, nullptr, nullptr,
     nullptr},
    {"Indexed", kListed, {pkNone, nullptr, nullptr, nullptr}, IndexEcho, nullptr, nullptr},
};
const velpack::PropertyTable<Sample> kTable(kRows, velpack::kPrivateRecords,
                                            velpack::kTrimmedNames);

char* Sample::GetPropList() { return kTable.List(QObject::GetPropList()); }
QPropInfo* Sample::GetPropInfo(std::string& name) {
    return kTable.Info(*this, name, "2", [&] { return QObject::GetPropInfo(name); });
}
char* Sample::GetPropValue(std::string& name) {
    return kTable.Value(*this, name, "7", [&] { return QObject::GetPropValue(name); });
}
bool Sample::SetPropValue(std::string& name, const char* value) {
    return kTable.Set(*this, name, value, [&] { return QObject::SetPropValue(name, value); });
}

std::string Take(char* text) {
    std::string result = text ? text : "<null>";
    std::free(text);
    return result;
}

std::string Field(const char* text) { return text ? text : "<null>"; }

// Frees a record and its texts.
struct Record {
    explicit Record(QPropInfo* info) : info(info) {}
    ~Record() {
        if (!info) return;
        std::free(info->TypeName);
        std::free(info->Items);
        std::free(info->Value);
        std::free(info->Editor);
        std::free(info);
    }
    QPropInfo* info;
};

class PropertyTable : public ::testing::Test {
protected:
    std::string Value(const char* name) {
        std::string copy = name;
        return Take(sample.GetPropValue(copy));
    }
    bool Set(const char* name, const char* value) {
        std::string copy = name;
        return sample.SetPropValue(copy, value);
    }
    QPropInfo* Info(const char* name) {
        std::string copy = name;
        records.emplace_back(std::make_unique<Record>(sample.GetPropInfo(copy)));
        return records.back()->info;
    }
    Sample sample;
    std::vector<std::unique_ptr<Record>> records;
};

TEST_F(PropertyTable, ListsTheListedRowsInOrderAfterTheBaseList) {
    EXPECT_EQ("ClassName\nClassAncestor\nTag\nCount\nFlag\nLabel\nonClick\nIndexed",
              Take(sample.GetPropList()));
    QObject root;
    EXPECT_EQ("ClassName\nClassAncestor\nTag", Take(root.GetPropList()));
}

TEST_F(PropertyTable, NamesMatchWholeWithoutRegardToCaseAndTrimmedWhenTheTableSaysSo) {
    sample.Count = 4;
    EXPECT_EQ("4", Value("count"));
    EXPECT_EQ("4", Value("  COUNT "));
    EXPECT_EQ("<null>", Value("Coun"));
    EXPECT_EQ("<null>", Value("Counts"));
    EXPECT_EQ("<null>", Value(""));
    EXPECT_EQ("<null>", Value(" "));
    // QObject's own table does not trim: the base answers only the exact name.
    EXPECT_EQ("0", Value("Tag"));
    EXPECT_EQ("<null>", Value(" Tag"));
}

TEST_F(PropertyTable, RecordsResolveMarkersAndKeepTheCallersSpelling) {
    QPropInfo* count = Info(" CoUnt");
    ASSERT_TRUE(count);
    EXPECT_EQ(pkInteger, count->Kind);
    EXPECT_EQ(" CoUnt", Field(count->TypeName));
    EXPECT_EQ(" count", Field(count->Items));
    EXPECT_EQ("0", Field(count->Value));
    EXPECT_EQ(nullptr, count->Editor);

    QPropInfo* click = Info("ONCLICK");
    ASSERT_TRUE(click);
    EXPECT_EQ("QEvent", Field(click->TypeName));
    EXPECT_EQ("ONCLICK", Field(click->Items));
    EXPECT_EQ(nullptr, click->Value);  // no getter: no value

    QPropInfo* label = Info("Label");
    ASSERT_TRUE(label);
    EXPECT_EQ("label:first", Field(label->TypeName));
    EXPECT_EQ(nullptr, label->Value);  // the row's record carries no Value
    EXPECT_EQ("first", Value("Label"));
}

TEST_F(PropertyTable, RecordValueMayDifferFromTheValueText) {
    QPropInfo* flag = Info("Flag");
    ASSERT_TRUE(flag);
    EXPECT_EQ("true", Field(flag->Value));
    EXPECT_EQ("FlagEditor", Field(flag->Editor));
    EXPECT_EQ("-1", Value("Flag"));
    EXPECT_TRUE(Set("flag", "0"));
    EXPECT_EQ("0", Value("Flag"));
}

TEST_F(PropertyTable, UnlistedRowsAreAnsweredButNotListed) {
    EXPECT_TRUE(Set("hidden", "2.5"));
    EXPECT_EQ(2, sample.Level);
    QPropInfo* hidden = Info("Hidden");
    ASSERT_TRUE(hidden);
    EXPECT_EQ("hiddentype", Field(hidden->TypeName));
    EXPECT_EQ(std::string::npos, Take(sample.GetPropList()).find("Hidden"));
}

TEST_F(PropertyTable, SettersGoThroughMembersAndMissingOnesRefuse) {
    EXPECT_TRUE(Set("Count", "&H2"));
    EXPECT_EQ(20, sample.Count);  // through SetCount
    EXPECT_TRUE(Set("Label", nullptr));
    EXPECT_EQ("", sample.Label);
    EXPECT_FALSE(Set("onClick", "1"));  // no setter
    EXPECT_FALSE(Set("nosuch", "1"));
}

TEST_F(PropertyTable, NamesTheTableDoesNotHoldGoToTheBase) {
    EXPECT_TRUE(Set("Tag", "3.5"));
    EXPECT_EQ(4, sample.Tag);
    EXPECT_TRUE(Set("ClassName", "Mine"));
    QPropInfo* className = Info("classname");
    ASSERT_TRUE(className);
    EXPECT_EQ(pkString, className->Kind);
    EXPECT_EQ("classname", Field(className->TypeName));
    EXPECT_EQ("Mine", Field(className->Value));
    EXPECT_EQ(nullptr, Info("nosuch"));
}

TEST_F(PropertyTable, OnlyRememberedTablesSetLastPropInfo) {
    QPropInfo* before = LastPropInfo;
    Info("Count");
    EXPECT_EQ(before, LastPropInfo);  // this table's records stay private
    QPropInfo* tag = Info("Tag");     // QObject's are remembered
    EXPECT_EQ(tag, LastPropInfo);
    LastPropInfo = before;
}

TEST_F(PropertyTable, TheIndexTextReachesTheRow) {
    EXPECT_EQ("[7]", Value("Indexed"));
    QPropInfo* indexed = Info("Indexed");
    ASSERT_TRUE(indexed);
    EXPECT_EQ("[2]", Field(indexed->Value));
    EXPECT_EQ("2", sample.index);
}

}  // namespace
