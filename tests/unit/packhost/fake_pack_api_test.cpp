// The fake pack answers as PackApi promises, so tests built on it hold for real packs.
#include <gtest/gtest.h>

#include "support/fake_pack_api.h"

namespace tavrin::test {
namespace {

TEST(FakePackApi, AnswersLikeAPack) {
    int button = 0;
    PropertyInfo leftInfo;
    leftInfo.kind = pkInteger;
    leftInfo.value = "10";
    FakePackApi pack;
    pack.registration = "Standards:QButton";
    pack.objects[&button] = {{"Left", leftInfo, "10"}, {"Caption", std::nullopt, "OK"},
                             {"ControlState", std::nullopt, "0", false}};

    EXPECT_EQ("Standards:QButton", pack.RegistrationText());
    EXPECT_FALSE(pack.VersionText());
    EXPECT_EQ((std::vector<std::string>{"Left", "Caption"}), pack.PropertyNames(&button));
    EXPECT_EQ("10", pack.PropertyInfoOf(&button, "LEFT")->value);
    EXPECT_FALSE(pack.PropertyInfoOf(&button, "Caption"));        // listed, but no record
    EXPECT_FALSE(pack.PropertyInfoOf(&button, "ControlState"));   // records only for listed names
    EXPECT_EQ("0", pack.PropertyValue(&button, "controlstate"));  // values also for unlisted ones
    EXPECT_TRUE(pack.SetPropertyValue(&button, "left", "25"));
    EXPECT_EQ("25", pack.PropertyValue(&button, "Left"));
    EXPECT_EQ("25", pack.PropertyInfoOf(&button, "Left")->value);
    EXPECT_FALSE(pack.SetPropertyValue(&button, "Nothing", "1"));
    EXPECT_TRUE(pack.PropertyNames(nullptr).empty());
    EXPECT_FALSE(pack.PropertyValue(nullptr, "Left"));
    EXPECT_EQ("GETPROPINFO@8 LEFT", pack.calls[3]);
}

TEST(FakePackApi, MissingEntryThrowsAndCallsNothing) {
    FakePackApi pack;
    pack.missing = {PackEntry::GetPropList};
    EXPECT_FALSE(pack.Has(PackEntry::GetPropList));
    EXPECT_TRUE(pack.Has(PackEntry::GetPropInfo));
    try {
        pack.PropertyNames(nullptr);
        FAIL() << "no error";
    } catch (const PackError& error) {
        EXPECT_STREQ("The pack \"fake.dll\" does not export the entry point \"GETPROPLIST@4\".", error.what());
    }
    EXPECT_TRUE(pack.calls.empty());
}

}  // namespace
}  // namespace tavrin::test
