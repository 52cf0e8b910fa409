// Design properties set by name from text, and the container rules that need no window.
#include <gtest/gtest.h>

#include "designer/container_rules.h"
#include "designer/design_properties.h"

namespace tavrin {
namespace {

struct Sample {
    std::string caption = "Form1";
    int width = 100;
    std::string align = "alNone";
    std::string visible = "True";
    DesignProperties properties;

    Sample() {
        properties.Add({"Caption", DesignKind::Text, {}, [this] { return caption; },
                        [this](const std::string& v) { caption = v; }});
        properties.Add({"Width", DesignKind::Integer, {}, [this] { return std::to_string(width); },
                        [this](const std::string& v) { width = std::stoi(v); }});
        properties.Add({"Align", DesignKind::Enumeration, {"alNone", "alTop", "alClient"}, [this] { return align; },
                        [this](const std::string& v) { align = v; }});
        properties.Add({"Visible", DesignKind::Boolean, {}, [this] { return visible; },
                        [this](const std::string& v) { visible = v; }});
        properties.Add({"Handle", DesignKind::Integer, {}, [] { return std::string("42"); }, {}});
    }
};

TEST(DesignProperties, ValuesAreTakenByKindAndNamesWithoutCase) {
    Sample sample;
    EXPECT_TRUE(sample.properties.Set("caption", "  Hello, world "));
    EXPECT_EQ("  Hello, world ", sample.caption) << "text is taken as it is";
    EXPECT_TRUE(sample.properties.Set("WIDTH", " -25 "));
    EXPECT_EQ(-25, sample.width);
    EXPECT_TRUE(sample.properties.Set("align", "ALCLIENT"));
    EXPECT_EQ("alClient", sample.align) << "the declared spelling";
    EXPECT_TRUE(sample.properties.Set("Visible", "false"));
    EXPECT_EQ("False", sample.visible);
    EXPECT_EQ("-25", sample.properties.Get("width"));
    EXPECT_EQ((std::vector<std::string>{"Caption", "Width", "Align", "Visible", "Handle"}), sample.properties.Names());
}

TEST(DesignProperties, BadValuesUnknownNamesAndReadOnlyPropertiesChangeNothing) {
    Sample sample;
    EXPECT_FALSE(sample.properties.Set("Width", "12px"));
    EXPECT_FALSE(sample.properties.Set("Width", "99999999999"));
    EXPECT_FALSE(sample.properties.Set("Width", ""));
    EXPECT_EQ(100, sample.width);
    EXPECT_FALSE(sample.properties.Set("Align", "alMiddle"));
    EXPECT_FALSE(sample.properties.Set("Visible", "1"));
    EXPECT_EQ("alNone", sample.align);
    EXPECT_EQ("True", sample.visible);
    EXPECT_FALSE(sample.properties.Set("Colour", "1"));
    EXPECT_FALSE(sample.properties.Set("Handle", "7"));
    EXPECT_EQ("42", sample.properties.Get("handle"));
    EXPECT_FALSE(sample.properties.Get("Colour"));
}

TEST(ContainerRules, ButtonBasedClassesTakeTheirButtonStyleOthersKeepThePrevious) {
    EXPECT_EQ(7u, HostWindowStyle("QGroupBox", 0));
    EXPECT_EQ(2u, HostWindowStyle("qcheckbox", 7));
    EXPECT_EQ(4u, HostWindowStyle("QRADIOBUTTON", 2));
    EXPECT_EQ(2u, HostWindowStyle("QButton", 2)) << "a check box re-hosted as a button keeps its style";
    EXPECT_EQ(0u, HostWindowStyle("QEdit", 0));
    EXPECT_EQ(0u, HostWindowStyle("QCheckBoxes", 0));
}

TEST(ContainerRules, TheMouseFilterAnswers) {
    EXPECT_EQ(kHitTransparent, MouseFilterResult(0x0084, 1));  // hit test: the window beneath
    EXPECT_EQ(1, MouseFilterResult(512, 0));                   // mouse move
    EXPECT_EQ(1, MouseFilterResult(513, 0));                   // left button down
    EXPECT_EQ(1, MouseFilterResult(522, 7));                   // mouse wheel
    EXPECT_EQ(5, MouseFilterResult(511, 5));
    EXPECT_EQ(5, MouseFilterResult(523, 5));                   // past the wheel: the procedure's answer
    EXPECT_EQ(0, MouseFilterResult(0x000F, 0));                // paint
}

}  // namespace
}  // namespace tavrin
