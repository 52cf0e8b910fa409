// Random dialogs written by the code writers, saved, reopened by the reader,
// moved and resized through the model, saved and reopened again.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "designer/design_model.h"
#include "designer/design_property_tables.h"
#include "designer/design_writer.h"
#include "designer/dialog_code.h"
#include "designer/dialog_reader.h"
#include "designer/property_lines.h"

namespace tavrin {
namespace {

class RandomDialogs {
public:
    explicit RandomDialogs(unsigned seed) : rng_(seed) {}

    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Number(1, 100) <= percent; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Number(0, static_cast<int>(items.size()) - 1))];
    }

    DialogDesign& Dialog(DesignModel& model, bool visible) {
        names_.clear();
        DialogDesign& dialog = model.NewDialog(Pick<std::string>({"Dialog", "Main", "Q", "frm_"}) +
                                               std::to_string(Number(1, 999)));
        dialog.bounds = RandomBounds();
        dialog.visible = visible;
        dialog.ownContainer.values = Values(true);
        for (int i = Number(0, 1) ? Number(0, 3) : Number(0, 12); i > 0; --i) {
            ComponentDesign& component = model.NewComponent(dialog, NewName(), Pick(kClasses), RandomBounds());
            component.values = Values(false);
            // Now and then inside a component placed before it.
            if (dialog.components.size() > 1 && Chance(30)) {
                ComponentDesign* parent = dialog.components[static_cast<size_t>(
                    Number(0, static_cast<int>(dialog.components.size()) - 2))].get();
                model.SetParent(&component, parent);
            }
        }
        if (Chance(30)) {
            MenuNode& menu = model.NewMainMenu(dialog, NewName());
            AddItems(model, dialog, menu, 1);
        }
        return dialog;
    }

    Bounds RandomBounds() { return {Number(-50, 2000), Number(-50, 1500), Number(0, 2000), Number(0, 1500)}; }

    std::string Text() {
        static const std::string alphabet =
            "abcXYZ019 \"'/=(),.&\\!_-\xe9\t\r\n";
        std::string text;
        for (int i = Number(0, 24); i > 0; --i) {
            // Mostly printable: control characters now and then.
            char c = alphabet[static_cast<size_t>(Number(0, static_cast<int>(alphabet.size()) - 1))];
            if ((c == '\t' || c == '\r' || c == '\n') && !Chance(20)) c = ' ';
            text += c;
        }
        return text;
    }

    // A user's line that names no design object, made unique by its number.
    std::vector<std::string> UserLines() {
        int n = ++userLines_;
        std::string id = std::to_string(n);
        switch (Number(0, 7)) {
            case 0: return {"' note " + id + ": Ghost.Text=\"x\" and Ghost.SetBounds(1,2,3,4)"};
            case 1: return {"print \"user line " + id + ", don't panic\" ' said twice"};
            case 2: return {"   declare sub Helper" + id + "()"};
            case 3: return {"dim shared counter" + id + " as integer = " + id};
            case 4: return {"/' block " + id, "Ghost" + id + ".SetBounds(9,9,9,9)", "type QFake extends QForm",
                            "Ghost as QButton '/"};
            case 5: return {""};
            case 6: return {"\tx" + id + " = 1 ' tab-indented"};
            default: return {"Ghost" + id + ".Caption = \"a b\" /' inline '/ ' end"};
        }
    }

private:
    std::string NewName() {
        for (;;) {
            std::string name = Pick<std::string>({"Container", "Button", "edt", "lbl_", "Item", "x", "Q"}) +
                               std::to_string(Number(1, 300));
            if (Chance(20)) name[0] = AsciiLower(name[0]);
            if (names_.insert(ToLower(name)).second) return name;
        }
    }

    DesignValues Values(bool ownContainer) {
        DesignValues values;
        for (const std::string& name : ContainerPropertyKinds().Names()) {
            const DesignProperty& property = *ContainerPropertyKinds().Find(name);
            if (name == "Name" || name == "Host" || name == "Node" || name == "Left" || name == "Top" ||
                name == "Width" || name == "Height" || !Chance(ownContainer ? 15 : 25))
                continue;
            switch (property.kind) {
                case DesignKind::Text: values[name] = Text(); break;
                case DesignKind::Integer:
                    values[name] =
                        std::to_string(Chance(5) ? Pick<int>({INT_MIN, INT_MAX}) : Number(-100000, 100000));
                    break;
                case DesignKind::Enumeration:
                case DesignKind::Boolean: values[name] = Pick(property.values); break;
            }
        }
        return values;
    }

    void AddItems(DesignModel& model, DialogDesign& dialog, MenuNode& parent, int depth) {
        for (int i = Number(depth == 1 ? 1 : 0, 3); i > 0; --i) {
            MenuNode& item = model.NewMenuItem(dialog, NewName(), Text(), Number(0, 500), &parent);
            if (depth < 3 && Chance(40)) AddItems(model, dialog, item, depth + 1);
        }
    }

    const std::vector<std::string> kClasses = {"QButton", "QEdit", "QLabel", "QCheckBox", "QGroupBox",
                                               "QListBox", "MyWidget_2"};
    std::mt19937 rng_;
    std::set<std::string> names_;
    int userLines_ = 0;
};

std::vector<std::string> Lines(const LineDocument& doc) {
    std::vector<std::string> lines;
    for (int i = 0; i < doc.LineCount(); ++i) lines.push_back(doc.Line(i));
    return lines;
}

void InsertUserLines(RandomDialogs& random, VectorLineDocument& doc, int groups) {
    for (; groups > 0; --groups) {
        int at = random.Number(0, doc.LineCount());
        for (const std::string& line : random.UserLines()) doc.InsertLine(at++, line);
    }
}

// Reopens saved text: a new page, no tags, a new model.
const DialogDesign* Reopen(const std::string& text, VectorLineDocument& page, DesignModel& model) {
    page.SetText(text);
    DialogsRead read = ParseDialogs(page, model, "QForm");
    if (read.error || model.Dialogs().size() != 1) return nullptr;
    return model.Dialogs()[0].get();
}

// What a bounds update should leave of the lines written for a moved object.
void ExpectMoved(std::vector<std::string>& lines, const std::string& name, const Bounds& b) {
    const std::string bounds = name + ".SetBounds(";
    const std::pair<std::string, int> parts[] = {{name + ".Left=", b.left}, {name + ".Top=", b.top},
                                                 {name + ".Width=", b.width}, {name + ".Height=", b.height}};
    for (std::string& line : lines) {
        if (line.compare(0, bounds.size(), bounds) == 0) line = name + ".SetBounds" + BoundsArguments(b);
        for (const auto& [prefix, value] : parts)
            if (line.compare(0, prefix.size(), prefix) == 0) line = prefix + std::to_string(value);
    }
}

TEST(DesignRoundTrip, RandomDialogsComeBackAndMovesAreSaved) {
    RandomDialogs random(20240611);
    for (int round = 0; round < 1500; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DesignModel model;
        DialogCodeSettings settings;
        settings.autocreateForms = random.Chance(50);
        const DialogDesign& design = random.Dialog(model, settings.autocreateForms);

        // Written step by step into a page that already holds user code.
        VectorLineDocument page;
        InsertUserLines(random, page, random.Number(0, 2));
        for (const std::string& line : SplitLines(DialogSkeleton(design.name, settings)))
            page.InsertLine(page.LineCount(), line);
        InsertUserLines(random, page, random.Number(0, 3));
        WriteDialogContent(page, design);
        for (const auto& component : design.components) {
            if (random.Chance(20))  // position property lines, as the inspector writes them
                WritePropertyLine(page, CodeObjectOf(*component), "Left", std::to_string(component->bounds.left), false);
        }
        InsertUserLines(random, page, random.Number(0, 4));
        std::string saved = page.Text();

        VectorLineDocument reopened;
        DesignModel readModel;
        const DialogDesign* read = Reopen(saved, reopened, readModel);
        ASSERT_NE(read, nullptr) << saved;
        ASSERT_EQ(DesignDifference(design, *read), "") << saved;
        ASSERT_EQ(reopened.Text(), saved) << "reading changes no text";

        // Moves and resizes through the model, each updating its object's lines.
        DialogDesign& moved = *readModel.Dialogs()[0];
        std::vector<std::string> expected = Lines(reopened);
        auto move = [&](const CodeObject& object, Bounds& bounds) {
            bounds = random.RandomBounds();
            ASSERT_TRUE(UpdateBounds(reopened, moved.name, object, bounds));
            ExpectMoved(expected, object.name, bounds);
        };
        if (random.Chance(30)) move(OwnContainerObject(moved), moved.bounds);
        for (const auto& component : moved.components)
            if (random.Chance(50)) move(CodeObjectOf(*component), component->bounds);
        std::string resaved = reopened.Text();
        ASSERT_EQ(SplitLines(resaved), expected) << "only the moved objects' bounds lines change";

        VectorLineDocument third;
        DesignModel thirdModel;
        const DialogDesign* again = Reopen(resaved, third, thirdModel);
        ASSERT_NE(again, nullptr);
        ASSERT_EQ(DesignDifference(moved, *again), "") << resaved;
    }
}

}  // namespace
}  // namespace tavrin
