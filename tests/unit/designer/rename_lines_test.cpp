// Renames following into a dialog's code: only the renamed object's tagged
// lines and only whole names change; a dialog's type, constructor, cast and
// auto-create lines take its new name; names a component cannot take.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "designer/dialog_code.h"
#include "designer/rename_lines.h"
#include "editor/line_document.h"

namespace tavrin {
namespace {

int button = 0, other = 0;

std::vector<std::string> LinesOf(const LineDocument& code) {
    std::vector<std::string> lines;
    for (int i = 0; i < code.LineCount(); ++i) lines.push_back(code.Line(i));
    return lines;
}

TEST(RenameLines, OnlyTheObjectsTaggedLinesTakeTheNewName) {
    VectorLineDocument code;
    code.InsertLine(0, "   Button1 as QButton", &button);
    code.InsertLine(1, "   Button10 as QButton", &other);
    code.InsertLine(2, "Button1.Parent=@This", &button);
    code.InsertLine(3, "button1.SetBounds(1,2,3,4)", &button);
    code.InsertLine(4, "Button1.Font->FaceName=\"Button1\"", &button);
    code.InsertLine(5, "Button10.Parent=@This", &other);
    code.InsertLine(6, "Button1.Text=\"x\"");  // the user's own line, not tagged
    code.InsertLine(7, "Button1x.Text=\"y\"", &button);  // another word
    EXPECT_EQ(RenameObjectLines(code, &button, "Button1", "OkButton"), 4);
    EXPECT_EQ(LinesOf(code), (std::vector<std::string>{"   OkButton as QButton", "   Button10 as QButton",
                                                        "OkButton.Parent=@This", "OkButton.SetBounds(1,2,3,4)",
                                                        "OkButton.Font->FaceName=\"Button1\"", "Button10.Parent=@This",
                                                        "Button1.Text=\"x\"", "Button1x.Text=\"y\""}));
    EXPECT_EQ(code.Tag(0), &button) << "lines keep their tags";
    EXPECT_EQ(RenameObjectLines(code, nullptr, "Button10", "X"), 0);
}

TEST(RenameLines, ADialogsOwnLinesTakeItsNewName) {
    VectorLineDocument code;
    code.SetText(DialogSkeleton("Dialog1", {}) + "\ntype QDialog10 extends QForm\nend type\nvar shared Dialog10=QDialog10");
    EXPECT_EQ(RenameDialogLines(code, "Dialog1", "Main"), 4);
    std::vector<std::string> lines = LinesOf(code);
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    for (const char* line : {"type QMain extends QForm", "var shared Main=QMain", "constructor QMain",
                             "operator QMain.cast as QForm ptr", "end constructor", "type QDialog10 extends QForm",
                             "var shared Dialog10=QDialog10"})
        EXPECT_TRUE(has(line)) << line;
    EXPECT_FALSE(has("constructor QDialog1"));
}

TEST(RenameLines, AComponentNameMustBeAFreeIdentifier) {
    EXPECT_EQ(ComponentNameError("OkButton", false), "");
    EXPECT_EQ(ComponentNameError("_b2", false), "");
    EXPECT_EQ(ComponentNameError("2nd", false), "'2nd' is not a valid component name.");
    EXPECT_EQ(ComponentNameError("my-button", false), "'my-button' is not a valid component name.");
    EXPECT_EQ(ComponentNameError("", false), "'' is not a valid component name.");
    EXPECT_EQ(ComponentNameError("This", false), "'This' is not a valid component name.");
    EXPECT_EQ(ComponentNameError("Button2", true), "A component named 'Button2' already exists.");
}

}  // namespace
}  // namespace tavrin
