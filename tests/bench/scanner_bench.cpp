// Benchmarks of the source scanner and the include database build.
//   TAVRIN_SCANNER_CORPUS=<folder of generated headers> scanner_bench
// The corpus comes from generate_corpus.py (run_scanner_bench.sh does both).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/explorer_tree_model.h"
#include "analysis/include_database.h"
#include "analysis/scanner.h"
#include "common/file_search.h"
#include "common/string_list.h"

namespace {

using tavrin::TScanner;

const std::string& CorpusFolder() {
    static const std::string folder = [] {
        const char* value = std::getenv("TAVRIN_SCANNER_CORPUS");
        return std::string(value ? value : "");
    }();
    return folder;
}

const std::vector<std::string>& CorpusFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> found;
        tavrin::FileSearch(CorpusFolder(), "*.bi", true, found);
        return found;
    }();
    return files;
}

// Scans every file of the corpus, reading each from disk, with one scanner.
void BM_ScanCorpusFiles(benchmark::State& state) {
    const auto& files = CorpusFiles();
    if (files.empty()) {
        state.SkipWithError("set TAVRIN_SCANNER_CORPUS to a generated corpus");
        return;
    }
    TScanner scanner;
    scanner.OnReport = [](const std::string&) {};
    size_t lines = 0, types = 0;
    for (auto _ : state) {
        scanner.ResetState();
        for (const std::string& file : files) {
            scanner.ScanFile(file);
            lines += scanner.LineCount();
            types += scanner.List(TScanner::Types).size();
        }
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    state.counters["types/iter"] = benchmark::Counter(
        static_cast<double>(types), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScanCorpusFiles)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// The whole first-start build: folder search, scanning and collecting entries.
void BM_BuildDataBase(benchmark::State& state) {
    if (CorpusFiles().empty()) {
        state.SkipWithError("set TAVRIN_SCANNER_CORPUS to a generated corpus");
        return;
    }
    size_t entries = 0;
    for (auto _ : state) {
        scanner.ResetState();
        tavrin::TDataBase db("unused");
        db.Scanner().OnReport = [](const std::string&) {};
        db.AddFolder(CorpusFolder());
        entries = db.Count();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_BuildDataBase)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// A text of the requested number of lines made of corpus files.
std::string CorpusText(size_t wantedLines) {
    std::string text, contents;
    size_t lines = 0;
    for (size_t i = 0; lines < wantedLines && !CorpusFiles().empty(); ++i) {
        tavrin::ReadWholeFile(tavrin::NativePath(CorpusFiles()[i % CorpusFiles().size()]),
                              contents);
        for (size_t pos = 0; pos < contents.size() && lines < wantedLines;) {
            size_t end = contents.find('\n', pos);
            if (end == std::string::npos) end = contents.size() - 1;
            text.append(contents, pos, end + 1 - pos);
            ++lines;
            pos = end + 1;
        }
    }
    return text;
}

// A page's rescan after Enter: its whole text scanned and, with the second
// argument 1, the explorer rebuilt (in memory).
void BM_RescanPage(benchmark::State& state) {
    std::string text = CorpusText(static_cast<size_t>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("set TAVRIN_SCANNER_CORPUS to a generated corpus");
        return;
    }
    TScanner scanner;
    scanner.OnReport = [](const std::string&) {};
    tavrin::ExplorerTreeModel tree;
    if (state.range(1)) scanner.SetTreeView(&tree);
    for (auto _ : state) {
        scanner.ResetState();
        scanner.ScanText(text, "page.bas");
    }
    state.counters["lines"] = static_cast<double>(scanner.LineCount());
    state.counters["nodes"] = static_cast<double>(tree.NodeCount());
}
BENCHMARK(BM_RescanPage)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->ArgNames({"lines", "tree"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
