// Undo and redo over a dialog's design and its tagged code lines: random runs
// of the designer's commands (insert, also into another component, delete,
// move, size, align, paste, rename, inspector edits, tab order); undoing every
// step gives back the first text byte for byte, with the first design, nesting
// and tags, and redoing every step the last. Every state keeps each component
// (and its lines) after the one that holds it.
#include "designer/undo_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "common/text.h"
#include "designer/alignment.h"
#include "designer/code_snapshot.h"
#include "designer/design_clipboard.h"
#include "designer/design_model.h"
#include "designer/design_writer.h"
#include "designer/dialog_code.h"
#include "designer/property_lines.h"
#include "designer/tab_order.h"
#include "designer/unique_names.h"

namespace tavrin {
namespace {

struct ModelState {
    std::vector<ComponentDesign> components;
    std::vector<int> parents;  // the index of each component's parent, or -1
    CodeSnapshot code;
    bool operator==(const ModelState& other) const {
        if (!(code == other.code) || parents != other.parents || components.size() != other.components.size())
            return false;
        for (size_t i = 0; i < components.size(); ++i) {
            const ComponentDesign& a = components[i];
            const ComponentDesign& b = other.components[i];
            if (a.name != b.name || a.packClass != b.packClass || !(a.bounds == b.bounds) || a.values != b.values)
                return false;
        }
        return true;
    }
};

// One dialog of the model with its page, driven the way the designer drives it.
class DesignedDialog {
public:
    explicit DesignedDialog(unsigned seed) : rng_(seed), dialog_(model_.NewDialog("Dialog1")) {
        WriteDialogDesign(doc_, dialog_, DialogCodeSettings{});
        doc_.InsertLine(doc_.LineCount(), "print \"a user's line\"");
        for (int i = 0; i < 3; ++i) Insert();
    }

    std::vector<LineTag> Objects() const {
        std::vector<LineTag> objects{&dialog_.ownContainer};
        for (const auto& c : dialog_.components) objects.push_back(c.get());
        return objects;
    }
    ModelState State() const {
        ModelState state;
        for (const auto& c : dialog_.components) {
            state.components.push_back(*c);
            state.parents.push_back(IndexOf(c->parent));
        }
        state.code = TakeCodeSnapshot(doc_, Objects());
        return state;
    }
    // Recreates the components (at new addresses) and puts the code back.
    void Restore(const ModelState& state) {
        while (!dialog_.components.empty()) model_.DeleteComponent(dialog_, *dialog_.components.back());
        for (size_t i = 0; i < state.components.size(); ++i) {
            const ComponentDesign& c = state.components[i];
            ComponentDesign& made = model_.NewComponent(dialog_, c.name, c.packClass, c.bounds);
            made.values = c.values;
            if (int parent = state.parents[i]; parent >= 0) made.parent = dialog_.components[static_cast<size_t>(parent)].get();
        }
        RestoreCodeSnapshot(doc_, state.code, Objects());
    }

    void RandomCommand() {
        if (dialog_.components.empty()) return Insert();
        switch (Number(0, 8)) {
        case 0: return Insert();
        case 1: return Delete();
        case 2: return Bounded(false);
        case 3: return Bounded(true);
        case 4: return Align();
        case 5: return Paste();
        case 6: return Rename();
        case 7: return TabOrder();
        default: return Edit();
        }
    }

    // Every component comes after its parent, in the design and in the code's fields.
    bool ParentsFirst() const {
        for (size_t i = 0; i < dialog_.components.size(); ++i) {
            const ComponentDesign* parent = dialog_.components[i]->parent;
            if (!parent) continue;
            if (IndexOf(parent) < 0 || IndexOf(parent) >= static_cast<int>(i)) return false;
            if (doc_.FindTag(parent) >= doc_.FindTag(dialog_.components[i].get())) return false;
        }
        return true;
    }

    const VectorLineDocument& Doc() const { return doc_; }

private:
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    ComponentDesign& AnyComponent() {
        return *dialog_.components[static_cast<size_t>(Number(0, static_cast<int>(dialog_.components.size()) - 1))];
    }
    bool Taken(std::string_view name) const {
        for (const auto& c : dialog_.components)
            if (EqualsNoCase(c->name, name)) return true;
        return false;
    }
    int IndexOf(const ComponentDesign* c) const {
        for (size_t i = 0; i < dialog_.components.size(); ++i)
            if (dialog_.components[i].get() == c) return static_cast<int>(i);
        return -1;
    }
    void Add(const std::string& name, const Bounds& bounds, const DesignValues& values, ComponentDesign* parent) {
        ComponentDesign& c = model_.NewComponent(dialog_, name, "QButton", bounds);
        c.parent = parent;
        WriteComponent(doc_, dialog_.name, CodeObjectOf(c), c.packClass, c.bounds, parent ? parent->name : "This");
        for (const auto& [property, value] : values) {
            c.values[property] = value;
            WritePropertyLine(doc_, CodeObjectOf(c), property, value, true);
        }
    }
    void Insert() {
        Add(UniqueName("TContainer", [&](std::string_view n) { return Taken(n); }),
            {Number(0, 300), Number(0, 200), Number(0, 80), Number(0, 40)}, {},
            dialog_.components.empty() || Number(0, 2) ? nullptr : &AnyComponent());
    }
    void Delete() {
        ComponentDesign& c = AnyComponent();
        // The components inside it go with it, and their lines.
        std::vector<const ComponentDesign*> doomed{&c};
        for (size_t i = 0; i < doomed.size(); ++i)
            for (const auto& other : dialog_.components)
                if (other->parent == doomed[i]) doomed.push_back(other.get());
        for (const ComponentDesign* gone : doomed) doc_.RemoveLinesOf(gone);
        model_.DeleteComponent(dialog_, c);
    }
    void SetBounds(ComponentDesign& c, const Bounds& bounds) {
        c.bounds = bounds;
        UpdateBounds(doc_, dialog_.name, CodeObjectOf(c), bounds);
    }
    void Bounded(bool size) {
        ComponentDesign& c = AnyComponent();
        SetBounds(c, Nudged(c.bounds, static_cast<ArrowDirection>(Number(0, 3)), size));
    }
    // Among the siblings of one component, as the surface aligns.
    void Align() {
        const ComponentDesign* parent = AnyComponent().parent;
        std::vector<ComponentDesign*> items;
        for (auto& c : dialog_.components)
            if (c->parent == parent && Number(0, 1)) items.push_back(c.get());
        std::vector<Bounds> bounds;
        for (ComponentDesign* c : items) bounds.push_back(c->bounds);
        if (!AlignItems(bounds, AlignOperationOfItem(Number(1, 5)), static_cast<AlignAxis>(Number(0, 1)), 400)) return;
        for (size_t i = 0; i < items.size(); ++i) SetBounds(*items[i], bounds[i]);
    }
    void Paste() {
        ComponentDesign& source = AnyComponent();
        std::vector<ClipboardComponent> pasted{{"TContainer", source.name, {}, {}}};
        for (const auto& value : source.values) pasted[0].properties.push_back(value);
        RenamePasted(pasted, [&](std::string_view n) { return Taken(n); });
        std::vector<Point> spots;
        for (const auto& c : dialog_.components)
            if (c->parent == source.parent) spots.push_back({c->bounds.left, c->bounds.top});
        Point at = FreePasteSpot({source.bounds.left, source.bounds.top}, spots, 8, 8);
        DesignValues values(pasted[0].properties.begin(), pasted[0].properties.end());
        Add(pasted[0].name, {at.x, at.y, source.bounds.width, source.bounds.height}, values, source.parent);
    }
    // A shuffled tab order, put right as the Tab Order dialog puts it.
    void TabOrder() {
        std::vector<size_t> shuffled(dialog_.components.size());
        std::iota(shuffled.begin(), shuffled.end(), size_t{0});
        std::shuffle(shuffled.begin(), shuffled.end(), rng_);
        std::vector<int> parentOf;
        for (size_t index : shuffled) {
            auto parent = std::find_if(shuffled.begin(), shuffled.end(), [&](size_t other) {
                return dialog_.components[other].get() == dialog_.components[index]->parent;
            });
            parentOf.push_back(parent == shuffled.end() ? -1 : static_cast<int>(parent - shuffled.begin()));
        }
        std::vector<std::unique_ptr<ComponentDesign>> reordered;
        for (size_t position : ParentsBeforeChildren(parentOf))
            reordered.push_back(std::move(dialog_.components[shuffled[position]]));
        dialog_.components = std::move(reordered);
        std::vector<LineTag> tags;
        for (const auto& c : dialog_.components) tags.push_back(c.get());
        ReorderComponentLines(doc_, tags);
    }
    void Rename() {
        ComponentDesign& c = AnyComponent();
        std::string name = "Renamed" + std::to_string(++renames_);
        for (int i = 0; i < doc_.LineCount(); ++i) {
            if (doc_.Tag(i) != &c) continue;
            std::string line = doc_.Line(i);
            size_t at = line.find(c.name);
            if (at != std::string::npos) doc_.SetLine(i, line.replace(at, c.name.size(), name));
        }
        c.name = name;
    }
    void Edit() {
        ComponentDesign& c = AnyComponent();
        std::string value = "text " + std::to_string(Number(0, 999));
        c.values["Text"] = value;
        WritePropertyLine(doc_, CodeObjectOf(c), "Text", value, true);
    }

    std::mt19937 rng_;
    int renames_ = 0;
    DesignModel model_;
    DialogDesign& dialog_;
    VectorLineDocument doc_;
};

TEST(UndoHistory, UndoingEveryStepGivesTheFirstTextAndDesignAndRedoingTheLast) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        DesignedDialog dialog(seed);
        UndoHistory<ModelState> history;
        const ModelState first = dialog.State();
        const std::string firstText = dialog.Doc().Text();
        int steps = 0;
        for (int i = 0; i < 25; ++i) {
            history.Record(dialog.State());
            dialog.RandomCommand();
            ASSERT_TRUE(dialog.ParentsFirst()) << "seed " << seed << ", command " << i;
            history.DropIfUnchanged(dialog.State());
        }
        const ModelState last = dialog.State();
        const std::string lastText = dialog.Doc().Text();
        while (history.CanUndo()) {
            dialog.Restore(*history.Undo(dialog.State()));
            ++steps;
        }
        ASSERT_EQ(dialog.Doc().Text(), firstText) << "seed " << seed;
        ASSERT_TRUE(dialog.State() == first) << "seed " << seed << ": design, nesting or tags differ";
        while (history.CanRedo()) dialog.Restore(*history.Redo(dialog.State()));
        ASSERT_EQ(dialog.Doc().Text(), lastText) << "seed " << seed;
        ASSERT_TRUE(dialog.State() == last) << "seed " << seed;
        EXPECT_GT(steps, 0);
    }
}

TEST(UndoHistory, ANewStepDropsTheRedoneStepsAndTheOldestStepsGoBeyondTheLimit) {
    UndoHistory<int> history(3);
    for (int state = 0; state < 5; ++state) history.Record(state);
    EXPECT_EQ(history.Undo(5), 4);
    EXPECT_EQ(history.Undo(4), 3);
    EXPECT_EQ(history.Undo(3), 2);
    EXPECT_FALSE(history.Undo(2).has_value()) << "only three steps are kept";
    EXPECT_EQ(history.Redo(2), 3);
    history.Record(3);
    EXPECT_FALSE(history.CanRedo());
    history.DropIfUnchanged(3);
    EXPECT_EQ(history.Undo(3), 2);
}

}  // namespace
}  // namespace tavrin
