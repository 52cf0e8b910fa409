#include "editor/editor_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace tavrin {
namespace {

TEST(EditorRules, EnterRescansOnDeclarationWordsInTheirOwnCase) {
    EXPECT_TRUE(EnterTriggersRescan("dim a as integer"));
    EXPECT_FALSE(EnterTriggersRescan("Dim a as integer"));
    EXPECT_TRUE(EnterTriggersRescan("  on error goto x")) << "\"on\" is part of \"common\"";
    EXPECT_TRUE(EnterTriggersRescan("typ"));
    EXPECT_TRUE(EnterTriggersRescan("declare sub x"));
    EXPECT_TRUE(EnterTriggersRescan("var shared Dialog1=QDialog1"));
    EXPECT_FALSE(EnterTriggersRescan("print 1"));
    EXPECT_FALSE(EnterTriggersRescan("   "));
    EXPECT_FALSE(EnterTriggersRescan("dimension")) << "the whole word must occur";
}

TEST(EditorRules, CommentsWrapAndUnwrapTheSelection) {
    EXPECT_EQ(CommentOn("x = 1"), "/'x = 1'/");
    EXPECT_EQ(CommentOff("/'x = 1'/"), "x = 1");
    EXPECT_EQ(CommentOff("a /'b'/ c /'d"), "a b c d");
    EXPECT_EQ(CommentOff("print \"'/\""), "print \"\"") << "every \"'/\" goes, even inside strings";
    EXPECT_TRUE(HoldsBlockCommentStart("a /'"));
    EXPECT_FALSE(HoldsBlockCommentStart("a '/"));
    EXPECT_EQ(CaretPanelText(5, 12), "5, 12");
}

std::shared_ptr<TField> Record(const std::string& name, std::vector<std::string> members) {
    auto record = std::make_shared<TField>();
    record->InitName(name);
    for (const auto& member : members) {
        auto field = std::make_shared<TField>();
        field->InitName(member);
        record->Fields.push_back(field);
    }
    return record;
}

class DotCompletion : public testing::Test {
protected:
    CompletionLists Run(const std::vector<std::string>& lines) {
        CompletionLookups lookups;
        lookups.findSymbol = [this](std::string_view name) -> std::shared_ptr<TField> {
            auto it = symbols.find(std::string(name));
            return it == symbols.end() ? nullptr : it->second;
        };
        lookups.findEntry = [this](std::string_view name) -> std::shared_ptr<TField> {
            auto it = entries.find(std::string(name));
            return it == entries.end() ? nullptr : it->second;
        };
        // The database reads members from the declaring file ("disk" here).
        lookups.resolveFields = [this](TField& field) {
            auto it = disk.find(field.Name());
            if (it == disk.end()) return 0;
            field.Fields = Record(field.Name(), it->second)->Fields;
            return static_cast<int>(field.Fields.size());
        };
        lookups.rescanPage = [this] { ++rescans; };
        lookups.showMembers = [this](const std::string& text) { shown.push_back(text); };
        return FindDotCompletion(static_cast<int>(lines.size()) - 1,
                                 [&](int i) { return lines[static_cast<size_t>(i)]; }, lookups);
    }
    std::map<std::string, std::shared_ptr<TField>> symbols, entries;
    std::map<std::string, std::vector<std::string>> disk;
    int rescans = 0;
    std::vector<std::string> shown;
};

TEST_F(DotCompletion, DimLineNamesTheTypeOfTheVariable) {
    entries["RECT"] = Record("RECT", {});
    disk["RECT"] = {"left", "top", "right", "bottom"};
    CompletionLists lists = Run({"dim shared as RECT r", "r."});
    EXPECT_TRUE(lists.found);
    EXPECT_EQ(lists.insert, (std::vector<std::string>{"left", "top", "right", "bottom"}));
    EXPECT_EQ(lists.items.size(), 4u);
    EXPECT_EQ(rescans, 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DotCompletion, AKnownFirstWordShowsItsMembersAndRescans) {
    symbols["Button1"] = Record("Button1", {"Caption", "Left"});
    symbols["Button1"]->Fields[0]->Kind = "property";
    symbols["Button1"]->Fields[0]->Return = "string";
    CompletionLists lists = Run({"Button1."});
    EXPECT_EQ(lists.insert, (std::vector<std::string>{"Left", "Caption"})) << "fields before procedures";
    EXPECT_EQ(lists.items, (std::vector<std::string>{"Left\t\t", "Caption\tproperty\tstring"}))
        << "the box shows name, kind and type";
    EXPECT_EQ(rescans, 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"Left\nCaption"}));
}

TEST_F(DotCompletion, ThePagesOwnMembersWinOverTheSavedFile) {
    symbols["TPoint"] = Record("TPoint", {"x", "y"});  // as typed, not saved yet
    disk["TPoint"] = {"x"};
    EXPECT_EQ(Run({"dim as TPoint p", "p."}).insert, (std::vector<std::string>{"x", "y"}));
}

TEST_F(DotCompletion, AVariableFoundByNameOffersTheMembersOfItsType) {
    auto variable = Record("p", {});
    variable->Return = "TPoint";
    symbols["p"] = variable;
    symbols["TPoint"] = Record("TPoint", {"x", "y"});
    CompletionLists lists = Run({"p."});
    EXPECT_EQ(lists.insert, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"x\ny"}));
}

TEST_F(DotCompletion, AnEmptyLineDoesNotEndTheSearchAndOneWordLinesSkipTheDatabase) {
    entries["RECT"] = Record("RECT", {"left"});
    EXPECT_EQ(Run({"dim as RECT r", "", "", "r."}).insert, std::vector<std::string>{"left"});
    EXPECT_TRUE(shown.empty()) << "a declared variable needs no message box";
    EXPECT_FALSE(Run({"RECT."}).found) << "a one-word line does not look in the database";
    EXPECT_FALSE(Run({"  ."}).found);
}

}  // namespace
}  // namespace tavrin
