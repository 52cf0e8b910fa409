// The property protocol through the exports, on objects created by class name.
#include <gtest/gtest.h>

#include <string>

#include "velpack_binding.h"

namespace {

const char kFrameList[] =
    "ClassName\nClassAncestor\nTag\nFont\nText\nHint\nControlStyle\nCursor\nColor\nAlign\n"
    "Parent\nParentWnd\nStyle\nExstyle\nId\nLeft\nTop\nWidth\nHeight\nHandle\nEnabled\nVisible\n"
    "ShowHint\nClipped\nTabStop\nGrouped\nControl\nControlCount\nClientWidth\nClientHeight\n"
    "ClientRect\nWindowrect\nonCreate\nonDestroy\nonclick\nonDblClick\nonPaint\nonMouseDown\n"
    "onMouseUp\nonMouseMove\nonMouseWheel\nonKeyDown\nonKeyPress\nonCommand\nonMenu\nonAccel";

class Protocol : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Velpack().Loaded());
        button = CreateByName("QButton", host.handle, 10, 10, 80, 30);
        ASSERT_TRUE(button);
        object = ObjectOf(host.handle);
        ASSERT_TRUE(object);
    }
    const VelpackBinding& vp = Velpack();
    HostWindow host;
    HWND button = nullptr;
    void* object = nullptr;
};

TEST_F(Protocol, ButtonListsExactlyTheFrameNames) {
    std::string list = vp.List(object);
    EXPECT_EQ(kFrameList, list);
    int names = 1;
    for (char c : list) names += c == '\n';
    EXPECT_EQ(46, names);
}

TEST_F(Protocol, InfoRecordsOfAButton) {
    QPropInfo* align = vp.Info(object, "align");
    ASSERT_TRUE(align);
    EXPECT_EQ(12, align->Kind);
    EXPECT_EQ("QAlign", Text(align->TypeName));
    EXPECT_EQ("alNone,alLeft,alRight,alTop,alBottom,alClient", Text(align->Items));
    EXPECT_EQ("0", Text(align->Value));
    EXPECT_EQ(nullptr, align->Editor);

    QPropInfo* color = vp.Info(object, "Color");
    ASSERT_TRUE(color);
    EXPECT_EQ(3, color->Kind);
    EXPECT_EQ("colorref", Text(color->TypeName));
    EXPECT_EQ("clWindow,clBtnFace,clWindowText", Text(color->Items));
    EXPECT_EQ("TELColorEditor", Text(color->Editor));

    QPropInfo* enabled = vp.Info(object, "Enabled");
    ASSERT_TRUE(enabled);
    EXPECT_EQ(10, enabled->Kind);
    EXPECT_EQ("boolean", Text(enabled->TypeName));
    EXPECT_EQ("False,True", Text(enabled->Items));
    EXPECT_EQ("true", Text(enabled->Value));
    EXPECT_EQ("-1", vp.Value(object, "Enabled"));

    QPropInfo* left = vp.Info(object, "Left");
    ASSERT_TRUE(left);
    EXPECT_EQ(3, left->Kind);
    EXPECT_EQ("Left", Text(left->TypeName));
    EXPECT_EQ("left", Text(left->Items));
    EXPECT_EQ("10", Text(left->Value));

    QPropInfo* onclick = vp.Info(object, "onclick");
    ASSERT_TRUE(onclick);
    EXPECT_EQ(0, onclick->Kind);  // the controls answer their click handler themselves
    EXPECT_EQ("Event", Text(onclick->Items));

    QPropInfo* handle = vp.Info(object, "Handle");
    ASSERT_TRUE(handle);
    EXPECT_EQ(std::to_string(reinterpret_cast<UINT_PTR>(button)), Text(handle->Value));

    QPropInfo* font = vp.Info(object, "Font");
    ASSERT_TRUE(font);
    EXPECT_EQ(13, font->Kind);
    EXPECT_EQ("Tahoma", Text(font->Value));
    EXPECT_EQ("TELFontEditor", Text(font->Editor));
}

TEST_F(Protocol, InfoAnswersOnlyListedNames) {
    EXPECT_NE(nullptr, vp.Info(object, "LEFT"));
    EXPECT_EQ(nullptr, vp.Info(object, "Control(0)"));
    EXPECT_EQ(nullptr, vp.Info(object, "dummy"));
    EXPECT_EQ(nullptr, vp.Info(object, "ControlState"));
    EXPECT_EQ(nullptr, vp.Info(object, "onkeyup"));
    EXPECT_EQ(nullptr, vp.Info(object, nullptr));
    EXPECT_EQ(nullptr, vp.Info(object, ""));
    EXPECT_EQ(nullptr, vp.Info(object, "Lef"));
    EXPECT_EQ(nullptr, vp.Info(nullptr, "Left"));
    EXPECT_EQ(nullptr, vp.getPropList(nullptr));
    EXPECT_EQ(nullptr, vp.getPropValue(nullptr, "Left"));
    EXPECT_EQ(0, vp.setPropValue(nullptr, "Left", "1") & 0xFF);
    // Unlisted names still work through the value export.
    EXPECT_EQ("0", vp.Value(object, "ControlState"));
    EXPECT_EQ("<null>", vp.Value(object, "dummy"));
    EXPECT_EQ("<null>", vp.Value(object, "nosuchname"));
    EXPECT_EQ("<null>", vp.Value(object, nullptr));
    EXPECT_FALSE(vp.Set(object, "nosuchname", "1"));
    EXPECT_FALSE(vp.Set(object, "", "1"));
}

TEST_F(Protocol, ValuesOfAButtonCreatedByName) {
    EXPECT_EQ("QButton", vp.Value(object, "ClassName"));
    EXPECT_EQ("Button", vp.Value(object, "ClassAncestor"));
    EXPECT_EQ("80", vp.Value(object, "Width"));
    EXPECT_EQ("30", vp.Value(object, "Height"));
    EXPECT_EQ("QButton", vp.Value(object, "Text"));
    EXPECT_EQ("0", vp.Value(object, "onDblClick"));
    EXPECT_EQ("<null>", vp.Value(object, "onkeyup"));
    EXPECT_EQ("<null>", vp.Value(object, "Control(0)"));
    EXPECT_EQ("<null>", vp.Value(object, "  Left "));  // frames do not trim names
}

TEST_F(Protocol, SettersReachTheWindow) {
    EXPECT_TRUE(vp.Set(object, "Text", "Press"));
    char text[32] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ("Press", text);
    EXPECT_TRUE(vp.Set(object, "Left", "25"));
    EXPECT_EQ("25", vp.Value(object, "Left"));
    EXPECT_EQ("80", vp.Value(object, "Width"));  // setting one bound keeps the others
    EXPECT_TRUE(vp.Set(object, "Enabled", "0"));
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_EQ("0", vp.Value(object, "Enabled"));
    EXPECT_TRUE(vp.Set(object, "Enabled", "1"));
    EXPECT_TRUE(IsWindowEnabled(button));
    EXPECT_FALSE(vp.Set(object, "Handle", "5"));
    EXPECT_FALSE(vp.Set(object, "ShowHint", "1"));
    EXPECT_FALSE(vp.Set(object, "Font", "0"));  // no font at address 0
    EXPECT_FALSE(vp.Set(object, "ClientRect", "0"));
    EXPECT_TRUE(vp.Set(object, "onDblClick", "&H1234"));
    EXPECT_EQ("4660", vp.Value(object, "onDblClick"));
    QPropInfo* dbl = vp.Info(object, "onDblClick");
    ASSERT_TRUE(dbl);
    EXPECT_EQ(14, dbl->Kind);
    EXPECT_EQ("QEvent", Text(dbl->TypeName));
    EXPECT_EQ("4660", Text(dbl->Value));
}

TEST_F(Protocol, TagRoundsHalvesToEven) {
    EXPECT_TRUE(vp.Set(object, "Tag", "2.5"));
    EXPECT_EQ("2", vp.Value(object, "Tag"));
    EXPECT_TRUE(vp.Set(object, "tag", "3.5"));
    EXPECT_EQ("4", vp.Value(object, "Tag"));
    EXPECT_TRUE(vp.Set(object, "Tag", "-7"));
    EXPECT_EQ("-7", vp.Value(object, "TAG"));
    EXPECT_TRUE(vp.Set(object, "Tag", "not a number"));
    EXPECT_EQ("0", vp.Value(object, "Tag"));
    std::string huge(200000, '9');
    EXPECT_TRUE(vp.Set(object, "Tag", huge));
    EXPECT_EQ("2147483647", vp.Value(object, "Tag"));
}

TEST_F(Protocol, FontTrimsNamesAndRecreatesTheFont) {
    std::string address = vp.Value(object, "Font");
    void* font = reinterpret_cast<void*>(std::stoul(address));
    ASSERT_TRUE(font);
    EXPECT_EQ("FaceName\nSize\nColor\nBold\nItalic\nUnderline\nStrikeout\nHandle", vp.List(font));
    EXPECT_EQ("Tahoma", vp.Value(font, "FaceName"));
    EXPECT_EQ("8", vp.Value(font, "Size"));
    EXPECT_EQ("false", vp.Value(font, " Bold "));
    EXPECT_TRUE(vp.Set(font, " Bold ", "1"));
    EXPECT_EQ("true", vp.Value(font, "Bold"));
    HFONT handle = reinterpret_cast<HFONT>(std::stoul(vp.Value(font, "Handle")));
    LOGFONTA logFont{};
    ASSERT_TRUE(GetObjectA(handle, sizeof logFont, &logFont));
    EXPECT_EQ(700, logFont.lfWeight);
    QPropInfo* bold = vp.Info(font, "Bold");
    ASSERT_TRUE(bold);
    EXPECT_EQ(10, bold->Kind);
    EXPECT_EQ("Bold", Text(bold->Items));
    EXPECT_EQ(nullptr, bold->TypeName);
    // The font answers the object's names without listing them.
    EXPECT_EQ("0", vp.Value(font, "Tag"));
}

TEST_F(Protocol, FormInfoRecordsAndChildren) {
    HWND form = CreateByName("QForm", host.handle, 0, 0, 200, 100);
    ASSERT_TRUE(form);
    void* formObject = ObjectOf(host.handle);
    ASSERT_NE(object, formObject);
    QPropInfo* onClick = vp.Info(formObject, "onClick");
    ASSERT_TRUE(onClick);
    EXPECT_EQ(14, onClick->Kind);
    EXPECT_EQ("QEvent", Text(onClick->TypeName));
    EXPECT_EQ("onClick", Text(onClick->Items));
    EXPECT_EQ("0", Text(onClick->Value));
    QPropInfo* border = vp.Info(formObject, "FormBorder");
    ASSERT_TRUE(border);
    EXPECT_EQ("bsNone,bsSingle,bsSizeable,bsSizeTool,bsToolWindow", Text(border->Items));
    EXPECT_TRUE(vp.Set(formObject, "FormBorder", "2.5"));
    EXPECT_EQ("2", vp.Value(formObject, "FormBorder"));
    EXPECT_FALSE(vp.Set(formObject, "BorderIcons", "1"));

    HWND first = CreateByName("QStatic", form, 0, 0, 10, 10);
    void* firstObject = ObjectOf(form);
    ASSERT_TRUE(first && firstObject);
    EXPECT_TRUE(vp.Set(firstObject, "ParentWnd", std::to_string(reinterpret_cast<UINT_PTR>(form))));
    EXPECT_EQ("1", vp.Value(formObject, "ControlCount"));
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(firstObject)),
              vp.Value(formObject, "Control(0)"));
    EXPECT_EQ("<null>", vp.Value(formObject, "CONTROL(1)"));
    EXPECT_FALSE(vp.Set(formObject, "Control(1)", "1"));

    HWND second = CreateByName("QStatic", form, 0, 0, 10, 10);
    void* secondObject = ObjectOf(form);
    ASSERT_TRUE(second && secondObject);
    EXPECT_TRUE(vp.Set(secondObject, "ParentWnd", std::to_string(reinterpret_cast<UINT_PTR>(form))));
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(secondObject)),
              vp.Value(formObject, "CONTROL(1)"));
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(formObject)),
              vp.Value(secondObject, "Parent"));
    QPropInfo* parent = vp.Info(secondObject, "Parent");
    ASSERT_TRUE(parent);
    EXPECT_EQ("QForm", Text(parent->Items));
    EXPECT_EQ("<null>", vp.Value(formObject, "Control(-1)"));
    EXPECT_EQ("<null>", vp.Value(formObject, "Control(99999999999)"));
}

TEST_F(Protocol, ControlCountMakesEmptyChildrenWithinLimits) {
    EXPECT_TRUE(vp.Set(object, "ControlCount", "2"));
    EXPECT_EQ("2", vp.Value(object, "ControlCount"));
    void* child = reinterpret_cast<void*>(std::stoul(vp.Value(object, "Control(1)")));
    ASSERT_TRUE(child);
    EXPECT_EQ("", vp.Value(child, "ClassName"));
    QPropInfo* control = vp.Info(child, "Control");
    ASSERT_TRUE(control);
    EXPECT_EQ(0, control->Kind);
    EXPECT_EQ("QFrame", Text(control->TypeName));
    EXPECT_EQ(nullptr, control->Value);
    EXPECT_FALSE(vp.Set(object, "ControlCount", "2000000000"));
    EXPECT_FALSE(vp.Set(object, "ControlCount", "-5"));
    EXPECT_EQ("2", vp.Value(object, "ControlCount"));
}

TEST_F(Protocol, EveryListedNameHasARecordInEveryClass) {
    const char* classes[] = {"QForm",        "QStatic",   "QImage", "QButton",   "QCheckBox",
                             "QRadioButton", "QGroupBox", "QEdit",  "QComboBox", "QListBox",
                             "QScrollBar"};
    for (const char* className : classes) {
        HWND window = CreateByName(className, host.handle, 0, 0, 60, 40);
        void* made = ObjectOf(host.handle);
        ASSERT_TRUE(window && made) << className;
        std::string list = vp.List(made);
        std::size_t from = 0;
        while (from <= list.size()) {
            std::size_t end = list.find('\n', from);
            if (end == std::string::npos) end = list.size();
            std::string name = list.substr(from, end - from);
            QPropInfo* info = vp.Info(made, name.c_str());
            EXPECT_TRUE(info) << className << " " << name;
            // Only a child reference without children has no value.
            if (name != "Control") {
                EXPECT_NE("<null>", vp.Value(made, name.c_str())) << className << " " << name;
            }
            from = end + 1;
        }
        DestroyWindow(window);
    }
}

}  // namespace
