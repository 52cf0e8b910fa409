// Property tables read by small classes of the test's own, chained to QObject's table
// the way the library's classes chain theirs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "packlib/core/class_tables.h"
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
};

std::string Computed(Sample& sample) { return "label:" + sample.Label; }

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
};
// Names trimmed of blanks, records private, QObject's names first in the list.
const velpack::PropertyTable<Sample> kTable(kRows, velpack::ObjectTable, velpack::Naming::kTrimmed,
                                            velpack::kPrivateRecords);

VELPACK_TABLE_PROTOCOL(Sample, kTable)

// A class below Sample whose table cuts index parts and lists only its own names.
class Indexed : public Sample {
public:
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
};

const velpack::PropertyRow<Indexed> kIndexedRows[] = {
    {"Slot", kListed, {pkNone, nullptr, nullptr, nullptr},
     [](Indexed&, const PropertyName& name) -> ValueText { return "[" + name.index + "]"; },
     nullptr, nullptr},
};
const velpack::PropertyChain& SampleTable() { return kTable; }
const velpack::PropertyTable<Indexed> kIndexedTable(kIndexedRows, SampleTable,
                                                    velpack::Naming::kIndexed,
                                                    velpack::kRememberedRecords,
                                                    velpack::kOwnNamesOnly);

VELPACK_TABLE_PROTOCOL(Indexed, kIndexedTable)

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
    EXPECT_EQ("ClassName\nClassAncestor\nTag\nCount\nFlag\nLabel\nonClick",
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

TEST_F(PropertyTable, TheTableAChainIsEnteredAtDecidesWhetherRecordsAreRemembered) {
    QPropInfo* before = LastPropInfo;
    Info("Count");
    Info("Tag");  // QObject's row, reached through Sample's private table
    EXPECT_EQ(before, LastPropInfo);
    QObject root;
    std::string name = "Tag";
    Record tag(root.GetPropInfo(name));
    EXPECT_EQ(tag.info, LastPropInfo);
    Indexed indexed;
    name = "Count";
    Record count(indexed.GetPropInfo(name));  // Sample's row, entered at a remembering table
    EXPECT_EQ(count.info, LastPropInfo);
    LastPropInfo = before;
}

TEST_F(PropertyTable, AnIndexedTableCutsTheNameInPlaceForItselfAndItsBases) {
    Indexed indexed;
    std::string name = "Slot(12)";
    EXPECT_EQ("[12]", Take(indexed.GetPropValue(name)));
    EXPECT_EQ("Slot", name);
    name = "count(3)";
    indexed.Count = 5;
    EXPECT_EQ("5", Take(indexed.GetPropValue(name)));
    EXPECT_EQ("count", name);
    name = "(1)";
    EXPECT_EQ("<null>", Take(indexed.GetPropValue(name)));
    EXPECT_EQ("Slot", Take(indexed.GetPropList()));
}

}  // namespace
