// The dialog code reader over a generated dialog of 1,000 components (each
// with its field, parent, bounds and two property lines) and 4,000 lines of
// user code around it; and the writers placing components one by one.
#include "designer/design_model.h"
#include "designer/design_writer.h"
#include "designer/dialog_code.h"
#include "designer/dialog_reader.h"
#include "editor/line_document.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tavrin;

std::string BigDialogText(int components) {
    DesignModel model;
    DialogDesign& dialog = model.NewDialog("Big");
    for (int i = 0; i < components; ++i) {
        ComponentDesign& component =
            model.NewComponent(dialog, "Container" + std::to_string(i + 1), i % 2 ? "QButton" : "QEdit",
                               {8 * (i % 40), 24 * (i / 40), 75, 21});
        component.values["Text"] = "Item \"" + std::to_string(i) + "\" of the list";
        component.values["Color"] = std::to_string(i * 4099);
    }
    VectorLineDocument doc;
    for (int i = 0; i < 2000; ++i) doc.InsertLine(doc.LineCount(), "' user code " + std::to_string(i));
    WriteDialogDesign(doc, dialog, {});
    for (int i = 0; i < 2000; ++i)
        doc.InsertLine(doc.LineCount(), "print \"user code " + std::to_string(i) + "\" ' done");
    return doc.Text();
}

void BM_ParseDialogs(benchmark::State& state) {
    const int components = static_cast<int>(state.range(0));
    VectorLineDocument doc;
    doc.SetText(BigDialogText(components));
    for (auto _ : state) {
        DesignModel model;
        DialogsRead read = ParseDialogs(doc, model, "QForm");
        if (read.error || model.Dialogs().at(0)->components.size() != static_cast<size_t>(components))
            state.SkipWithError("the dialog was not read back");
        benchmark::DoNotOptimize(read);
    }
    state.counters["lines"] = doc.LineCount();
    state.SetItemsProcessed(state.iterations() * doc.LineCount());
}
BENCHMARK(BM_ParseDialogs)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_WriteComponents(benchmark::State& state) {
    const int components = static_cast<int>(state.range(0));
    for (auto _ : state) {
        VectorLineDocument doc;
        WriteDialogSkeleton(doc, "Big", {});
        for (int i = 0; i < components; ++i)
            WriteComponent(doc, "Big", {&doc, "Container" + std::to_string(i + 1)}, "QButton", {i, i, 75, 21});
        benchmark::DoNotOptimize(doc.LineCount());
    }
}
BENCHMARK(BM_WriteComponents)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
