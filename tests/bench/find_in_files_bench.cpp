// Timed tool for find in files under Wine (not a test): the workbench started
// in this program searches a folder tree for a word through its find-in-files
// window, as the user starts it ("In Directory", "*.*", subfolders), with the
// report lines going into the result window. The clock runs from the press
// of "&OK" until the search ended and the window closed. Prints the median,
// the best and the first of the runs (the first reads every file; the window
// keeps the texts of unchanged files for later searches), and the search
// engine alone, reading every file each time, for comparison.
//   find_in_files_bench.exe FOLDER WORD [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../win32/workbench/workbench_fixture.h"
#include "app/search_wiring.h"
#include "search/find_in_files.h"
#include "search/find_in_files_window.h"
#include "workbench/code_window.h"
#include "workbench/workbench.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times, const tavrin::FindInFilesSummary& summary) {
    double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.0f ms, best %.0f ms, first %.0f ms (%d occurrences in %d files, the last run read %d)\n",
                what, times[times.size() / 2], times.front(), first, summary.occurrences, summary.files,
                summary.filesRead);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: find_in_files_bench FOLDER WORD [RUNS]\n");
        return 2;
    }
    const std::string folder = argv[1], word = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    using namespace tavrin;
    test::EnsureWorkbenchStarted();
    TFindInFilesDialog& window = *TheSearchWindows().findInFiles;

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        window.Show();
        window.SetText(word);
        window.SetPlace(SearchPlace::Directory);
        window.SetFolder(folder);
        SetWindowTextA(window.Control(TFindInFilesDialog::idMasks), "*.*");
        // The window is drawn before "&OK" is pressed, as a user sees it
        // filled in; only painting runs here, nothing of the search.
        test::Pump(50);
        Clock::time_point start = Clock::now();
        SendMessageA(window.Handle(), WM_COMMAND, TFindInFilesDialog::idOk, 0);
        times.push_back(MillisecondsSince(start));
        test::Pump(50);
    }
    const FindInFilesSummary& summary = window.LastSummary();
    if (App().Code->Results().LineCount() != summary.occurrences) {
        std::fprintf(stderr, "the result window holds %d lines, not %d\n", App().Code->Results().LineCount(),
                     summary.occurrences);
        return 1;
    }
    Report("workbench find in files (window, result lines; the first run reads every file, later runs only "
           "changed ones)",
           times, summary);

    times.clear();
    FindInFilesSummary engine;
    for (int run = 0; run < runs; ++run) {
        FindInFilesQuery query;
        query.text = word;
        query.place = SearchPlace::Directory;
        query.folder = folder;
        Clock::time_point start = Clock::now();
        engine = FindInFiles(query, {}, {});
        times.push_back(MillisecondsSince(start));
    }
    Report("search engine alone, every file read", times, engine);
    return 0;
}
