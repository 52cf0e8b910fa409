// Velpack loaded and called through the pack host's library, as the workbench
// calls it: registration, and the property protocol of a button created by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "beside_program.h"
#include "packhost/pack_error.h"
#include "packhost/pack_library.h"
#include "win32/packlib/velpack_binding.h"

namespace tavrin {
namespace {

const char kStandards[] =
    "Standards:QStatic,QImage,QButton,QCheckBox,QRadioButton,QGroupBox,QEdit,QComboBox,"
    "QListBox,QScrollBar";

PackLibrary& LoadedVelpack() {
    static PackLibrary library(BesideProgram("Velpack.dll"));
    return library;
}

TEST(VelpackHost, BindsEveryEntryPointAndAnswersRegistration) {
    PackLibrary& pack = LoadedVelpack();
    for (PackEntry entry : {PackEntry::Version, PackEntry::Register, PackEntry::GetPropList,
                            PackEntry::GetPropInfo, PackEntry::GetPropValue, PackEntry::SetPropValue}) {
        EXPECT_TRUE(pack.Has(entry));
    }
    EXPECT_EQ(kStandards, pack.RegistrationText());
    EXPECT_EQ(kStandards, pack.RegistrationText());  // a new copy each time
    EXPECT_EQ("freebasic package", pack.VersionText());
    EXPECT_NE(nullptr, pack.Export("MAINWINDOW@0"));
    EXPECT_NE(nullptr, pack.Export("SHOWMESSAGE@4"));
    EXPECT_EQ(nullptr, pack.Export("MAINWINDOW"));  // names are exact, decoration included
    EXPECT_EQ(nullptr, pack.Export(""));
    EXPECT_EQ(nullptr, pack.Export(nullptr));
}

TEST(VelpackHost, RelativePathLoadsTheSameModuleUnderItsFullPath) {
    std::string folder = BesideProgram("");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    PackLibrary again("Velpack.dll");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(LoadedVelpack().Module(), again.Module());
    EXPECT_EQ(folder + "Velpack.dll", again.Path());
}

class ButtonProperties : public ::testing::Test {
protected:
    void SetUp() override {
        button = CreateByName("QButton", host.handle, 10, 10, 80, 30);
        ASSERT_TRUE(button);
        object = ObjectOf(host.handle);
        ASSERT_TRUE(object);
    }
    PackLibrary& pack = LoadedVelpack();
    HostWindow host;
    HWND button = nullptr;
    PackObject object = nullptr;
};

TEST_F(ButtonProperties, ListsTheFrameNamesInOrder) {
    std::vector<std::string> names = pack.PropertyNames(object);
    ASSERT_EQ(46u, names.size());
    EXPECT_EQ("ClassName", names[0]);
    EXPECT_EQ("Tag", names[2]);
    EXPECT_EQ("Font", names[3]);
    EXPECT_EQ("Handle", names[19]);
    EXPECT_EQ("onclick", names[34]);
    EXPECT_EQ("onAccel", names[45]);
}

TEST_F(ButtonProperties, InfoRecordsAreCopiedWithTheirKinds) {
    std::optional<PropertyInfo> align = pack.PropertyInfoOf(object, "align");
    ASSERT_TRUE(align);
    EXPECT_EQ(pkEnumeration, align->kind);
    EXPECT_EQ(pkEnumeration, align->rawKind);
    EXPECT_EQ("QAlign", align->typeName);
    EXPECT_EQ("alNone,alLeft,alRight,alTop,alBottom,alClient", align->items);
    EXPECT_EQ("0", align->value);
    EXPECT_FALSE(align->editor);

    std::optional<PropertyInfo> font = pack.PropertyInfoOf(object, "Font");
    ASSERT_TRUE(font);
    EXPECT_EQ(pkObject, font->kind);
    EXPECT_EQ("QFont", font->typeName);
    EXPECT_EQ("Tahoma", font->value);
    EXPECT_EQ("TELFontEditor", font->editor);

    std::optional<PropertyInfo> enabled = pack.PropertyInfoOf(object, "Enabled");
    ASSERT_TRUE(enabled);
    EXPECT_EQ(pkBoolean, enabled->kind);
    EXPECT_EQ("boolean", enabled->typeName);
    EXPECT_EQ("False,True", enabled->items);

    std::optional<PropertyInfo> text = pack.PropertyInfoOf(object, "Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(pkString, text->kind);
    EXPECT_EQ("Text", text->typeName);
    EXPECT_EQ("text", text->items);
}

TEST_F(ButtonProperties, NullAnswersAreNoAnswers) {
    EXPECT_FALSE(pack.PropertyInfoOf(object, "dummy"));        // not in the list
    EXPECT_FALSE(pack.PropertyInfoOf(object, "Control(0)"));
    EXPECT_FALSE(pack.PropertyInfoOf(object, ""));
    EXPECT_FALSE(pack.PropertyValue(object, "nosuchname"));
    EXPECT_TRUE(pack.PropertyNames(nullptr).empty());
    EXPECT_FALSE(pack.PropertyInfoOf(nullptr, "Left"));
    EXPECT_FALSE(pack.PropertyValue(nullptr, "Left"));
    EXPECT_FALSE(pack.SetPropertyValue(nullptr, "Left", "1"));
}

TEST_F(ButtonProperties, ValuesReadAndSetThroughThePack) {
    EXPECT_EQ("QButton", pack.PropertyValue(object, "Text"));  // the caption it was created with
    EXPECT_EQ(std::to_string(reinterpret_cast<UINT_PTR>(button)), pack.PropertyValue(object, "handle"));
    EXPECT_TRUE(pack.SetPropertyValue(object, "Text", "Press"));
    EXPECT_EQ("Press", pack.PropertyValue(object, "Text"));
    char caption[32] = {};
    GetWindowTextA(button, caption, sizeof caption);
    EXPECT_STREQ("Press", caption);
    EXPECT_TRUE(pack.SetPropertyValue(object, "Left", "25"));
    EXPECT_EQ("25", pack.PropertyValue(object, "Left"));
    EXPECT_EQ("25", pack.PropertyInfoOf(object, "Left")->value);
    EXPECT_FALSE(pack.SetPropertyValue(object, "Handle", "5"));  // refused in the low byte
}

// The checks that reject bad records accept every record of the real pack.
TEST(VelpackHost, EveryListedNameOfEveryClassHasAGoodRecord) {
    PackLibrary& pack = LoadedVelpack();
    HostWindow host;
    std::string classes = pack.RegistrationText().value_or("");
    classes = classes.substr(classes.find(':') + 1) + ",QForm";
    std::size_t from = 0;
    while (from < classes.size()) {
        std::size_t end = std::min(classes.find(',', from), classes.size());
        std::string className = classes.substr(from, end - from);
        from = end + 1;
        HWND window = CreateByName(className.c_str(), host.handle, 0, 0, 60, 40);
        PackObject object = ObjectOf(host.handle);
        ASSERT_TRUE(window && object) << className;
        for (const std::string& name : pack.PropertyNames(object)) {
            std::optional<PropertyInfo> info;
            EXPECT_NO_THROW(info = pack.PropertyInfoOf(object, name)) << className << " " << name;
            EXPECT_TRUE(info) << className << " " << name;
        }
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace tavrin
