// Timed tool for dialogs with live windows under Wine (not a test): a dialog
// text of N components (field, parent, bounds and two property lines each)
// opened by the code reader into a live dialog with Velpack's windows, and a
// move drag of one component among them, mouse move by mouse move, with the
// window's painting after each move. Prints the median and best opening time
// and the median and worst time per mouse move. The processor time of each
// opening is printed too: on a busy machine it says more than the clock.
//   dialog_live_bench.exe [COMPONENTS] [RUNS]
#include <windows.h>
#undef CreateDialog  // the code reader's builder has a member of that name

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "designer/design_model.h"
#include "designer/design_writer.h"
#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
#include "loaded_packs.h"

namespace {

using namespace tavrin;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string BigDialogText(int components) {
    DesignModel model;
    DialogDesign& dialog = model.NewDialog("Big");
    dialog.bounds = {0, 0, 1280, 1000};
    for (int i = 0; i < components; ++i) {
        ComponentDesign& component =
            model.NewComponent(dialog, "Container" + std::to_string(i + 1), i % 2 ? "QButton" : "QEdit",
                               {32 * (i % 40), 24 * (i / 40), 30, 21});
        component.values["Text"] = "Item " + std::to_string(i);
        component.values["Color"] = std::to_string(i * 4099);
    }
    VectorLineDocument doc;
    WriteDialogDesign(doc, dialog, {});
    return doc.Text();
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The time this process spent on the processor so far (user and system), in ms.
double ProcessorMilliseconds() {
    FILETIME created, exited, system, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &system, &user);
    auto ms = [](const FILETIME& t) { return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0; };
    return ms(system) + ms(user);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int components = argc > 1 ? std::atoi(argv[1]) : 1000;
    int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    test::Packs();  // Velpack's window classes
    std::string text = BigDialogText(components);

    std::vector<double> opening;
    std::vector<std::unique_ptr<TDialog>> dialogs;
    VectorLineDocument doc;
    for (int run = 0; run < runs; ++run) {
        dialogs.clear();
        doc.SetText(text);
        Clock::time_point start = Clock::now();
        double processorStart = ProcessorMilliseconds();
        LiveDesignBuilder builder([&]() -> TDialog& {
            dialogs.push_back(std::make_unique<TDialog>("QForm", &test::Packs().registry));
            dialogs.back()->Create();
            return *dialogs.back();
        });
        DialogsRead read = ParseDialogs(doc, builder, "QForm");
        double readMs = MillisecondsSince(start);
        dialogs.back()->Show();
        Pump();
        std::printf("  run %d: read %.0f ms, shown %.0f ms (processor %.0f ms)\n", run, readMs, MillisecondsSince(start),
                    ProcessorMilliseconds() - processorStart);
        opening.push_back(MillisecondsSince(start));
        if (read.error || dialogs.back()->ELDesigner.Components().size() != static_cast<size_t>(components)) {
            std::printf("the dialog was not read back\n");
            return 1;
        }
    }
    std::printf("open %d components: median %.0f ms, best %.0f ms (%d runs)\n", components, Median(opening),
                *std::min_element(opening.begin(), opening.end()), runs);

    TDialog& dialog = *dialogs.back();
    for (int i = 0; i < 10; ++i, Sleep(50)) Pump();  // the opening's painting is over
    dialog.SetName("Big");
    dialog.Code = &doc;
    HWND window = dialog.Handle();
    TContainer& dragged = *dialog.ELDesigner.Components()[static_cast<size_t>(components / 2)];
    SendMessageA(dragged.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    POINT at{5, 5};
    MapWindowPoints(dragged.Handle(), window, &at, 1);
    std::vector<double> moves;
    double movesProcessor = ProcessorMilliseconds();
    for (int step = 1; step <= 200; ++step) {
        Clock::time_point start = Clock::now();
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + step % 97, at.y + step % 53));
        UpdateWindow(window);
        Pump();
        moves.push_back(MillisecondsSince(start));
    }
    movesProcessor = (ProcessorMilliseconds() - movesProcessor) / 200;
    Clock::time_point start = Clock::now();
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x + 40, at.y + 24));
    UpdateWindow(window);
    Pump();
    double release = MillisecondsSince(start);
    std::printf("move among %d components: median %.2f ms, worst %.2f ms per mouse move (processor %.2f ms);"
                " release %.1f ms\n",
                components, Median(moves), *std::max_element(moves.begin(), moves.end()), movesProcessor, release);
    return 0;
}
