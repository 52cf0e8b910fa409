// The property tables of every class as a host reads them: the lists follow the class
// tree, every listed name answers, and each record agrees with the value text.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>

#include "library_objects.h"

namespace {

const char kObjectList[] = "ClassName\nClassAncestor\nTag";
const char kFrameNames[] =
    "\nFont\nText\nHint\nControlStyle\nCursor\nColor\nAlign\nParent\nParentWnd\nStyle\nExstyle\nId\n"
    "Left\nTop\nWidth\nHeight\nHandle\nEnabled\nVisible\nShowHint\nClipped\nTabStop\nGrouped\n"
    "Control\nControlCount\nClientWidth\nClientHeight\nClientRect\nWindowrect\nonCreate\n"
    "onDestroy\nonclick\nonDblClick\nonPaint\nonMouseDown\nonMouseUp\nonMouseMove\nonMouseWheel\n"
    "onKeyDown\nonKeyPress\nonCommand\nonMenu\nonAccel";
const char kFormNames[] = "\nBorderIcons\nFormBorder\nFormStyle\nWindowState\nMainMenu\nPopupMenu";
const char kMenuNames[] = "\nCaption\nChecked\nRadioItem\nEnabled\nVisible\nParent\nCommandID";
const char kFontList[] = "FaceName\nSize\nColor\nBold\nItalic\nUnderline\nStrikeout\nHandle";

class Tables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Velpack().Loaded()); }
    const VelpackBinding& vp = Velpack();
    HostWindow host{600, 400};
    LibraryObjects made{host.handle};
};

std::string ExpectedList(const std::string& kind) {
    std::string frame = std::string(kObjectList) + kFrameNames;
    if (kind == "QForm") return frame + kFormNames;
    if (kind == "QStatic" || kind == "QImage") return frame + "\nAlignment";
    if (kind == "font") return kFontList;
    if (IsMenuKind(kind)) return std::string(kObjectList) + kMenuNames;
    if (!IsFrameKind(kind)) return kObjectList;  // pens, brushes and pictures
    return frame;
}

TEST_F(Tables, EveryKindListsItsNamesAfterThoseOfItsBaseClasses) {
    ASSERT_EQ(23u, made.all.size());
    for (const LibraryObject& object : made.all) {
        ASSERT_TRUE(object.object) << object.kind;
        EXPECT_EQ(ExpectedList(object.kind), vp.List(object.object)) << object.kind;
    }
}

bool IsNumber(const std::string& text) {
    if (text.empty()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(std::isdigit(static_cast<unsigned char>(text[i])) || (i == 0 && text[i] == '-')))
            return false;
    return true;
}

// The record's Value against the value text: equal, the same flag in the other spelling,
// or the same 32-bit number written signed once and unsigned once.
bool SameValue(const std::string& record, const std::string& value) {
    if (record == value) return true;
    if ((record == "true" && value == "-1") || (record == "false" && value == "0")) return true;
    return IsNumber(record) && IsNumber(value) &&
           static_cast<std::uint32_t>(std::stoll(record)) ==
               static_cast<std::uint32_t>(std::stoll(value));
}

TEST_F(Tables, EveryListedNameAnswersARecordThatAgreesWithItsValue) {
    for (const LibraryObject& object : made.all) {
        bool menu = IsMenuKind(object.kind);
        for (const std::string& name : ListNames(vp.List(object.object))) {
            SCOPED_TRACE(object.kind + " " + name);
            QPropInfo* info = vp.Info(object.object, name.c_str());
            ASSERT_TRUE(info);
            std::string value = vp.Value(object.object, name.c_str());
            if (name == "Control") {
                EXPECT_EQ(nullptr, info->Value);  // a child reference needs an index
                continue;
            }
            EXPECT_NE("<null>", value);
            // Records that carry another text than the value: the font's face name, a
            // rectangle's left edge; menu records carry a Value only for "Parent".
            if (menu && name != "Parent" && name != "ClassName" && name != "ClassAncestor" &&
                name != "Tag") {
                EXPECT_EQ(nullptr, info->Value);
            } else if (name == "Font") {
                EXPECT_EQ("Tahoma", Text(info->Value));
            } else if (name != "ClientRect" && name != "Windowrect") {
                EXPECT_TRUE(SameValue(Text(info->Value), value)) << Text(info->Value) << " " << value;
            }
        }
    }
}

TEST_F(Tables, DerivedClassesAnswerTheRowsOfTheirBaseClasses) {
    void* image = made.Of("QImage");
    EXPECT_TRUE(vp.Set(image, "Alignment", "2"));
    EXPECT_EQ("2", vp.Value(image, "alignment"));
    QPropInfo* alignment = vp.Info(image, "Alignment");
    ASSERT_TRUE(alignment);
    EXPECT_EQ("QAlignment", Text(alignment->TypeName));
    // The controls' own "onclick" row hides the frame's; forms answer the frame's.
    QPropInfo* controlClick = vp.Info(made.Of("QEdit"), "onclick");
    QPropInfo* formClick = vp.Info(made.Of("QForm"), "onclick");
    ASSERT_TRUE(controlClick && formClick);
    EXPECT_EQ(0, controlClick->Kind);
    EXPECT_EQ(14, formClick->Kind);
    EXPECT_EQ("QEvent", Text(formClick->TypeName));
    // The object's rows reach every class; the font and the menus answer them unlisted
    // or listed as their lists say.
    void* font = made.Of("font");
    EXPECT_TRUE(vp.Set(font, "Tag", "6"));
    EXPECT_EQ("6", vp.Value(font, "Tag"));
    EXPECT_EQ(nullptr, vp.Info(font, "Tag"));
    void* menu = made.Of("popupmenu");
    EXPECT_EQ("QPopupMenu", vp.Value(menu, "ClassName"));
    QPropInfo* className = vp.Info(menu, "classname");
    ASSERT_TRUE(className);
    EXPECT_EQ(8, className->Kind);
    EXPECT_EQ("QPopupMenu", Text(className->Value));
}

TEST_F(Tables, MenuRecordsAndValues) {
    void* menu = made.Of("mainmenu");
    QPropInfo* caption = vp.Info(menu, "Caption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(8, caption->Kind);
    EXPECT_EQ(nullptr, caption->TypeName);
    EXPECT_EQ("Caption", Text(caption->Items));
    EXPECT_EQ(nullptr, caption->Editor);
    EXPECT_TRUE(vp.Set(menu, "Checked", "1"));
    EXPECT_EQ("-1", vp.Value(menu, "Checked"));
    EXPECT_TRUE(vp.Set(menu, "RadioItem", "5"));
    EXPECT_EQ("true", vp.Value(menu, "RadioItem"));
    EXPECT_TRUE(vp.Set(menu, "CommandID", "&H20"));
    EXPECT_EQ("32", vp.Value(menu, "CommandID"));
    QPropInfo* parent = vp.Info(menu, "Parent");
    ASSERT_TRUE(parent);
    EXPECT_EQ(13, parent->Kind);
    EXPECT_EQ("0", Text(parent->Value));
}

TEST_F(Tables, UnlistedNamesAreAnsweredByValueAndSetter) {
    void* button = made.Of("QButton");
    EXPECT_TRUE(vp.Set(button, "ControlState", "&H2"));
    EXPECT_EQ("2", vp.Value(button, "controlstate"));
    EXPECT_TRUE(vp.Set(button, "onkeyup", "4660"));
    EXPECT_EQ("<null>", vp.Value(button, "onkeyup"));  // stored, not readable
    EXPECT_FALSE(vp.Set(button, "dummy", "1"));
    EXPECT_FALSE(vp.Set(made.Of("QForm"), "BorderIcons", "1"));
    EXPECT_EQ("0", vp.Value(made.Of("QForm"), "BorderIcons"));
}

}  // namespace
