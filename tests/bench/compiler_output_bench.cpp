// Compiler output handling: 10 MB of output read in 255-byte chunks, with the
// output notification after every chunk, then parsed for error marks.
#include "compiler/compiler.h"
#include "compiler/error_list.h"

#include "../support/recording_error_marks.h"
#include "../unit/compiler/scripted_processes.h"
#include "common/text.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr size_t kTenMegabytes = 10 * 1024 * 1024;

// Compiler-like output: progress lines with a message every 50 lines.
std::string MakeOutput(size_t bytes) {
    std::string text;
    text.reserve(bytes + 200);
    for (size_t line = 0; text.size() < bytes; ++line) {
        if (line % 50 == 49)
            text += "C:\\work (v2)\\module" + std::to_string(line % 7) + ".bas(" +
                    std::to_string(line) + ") warning 4(1): Suspicious pointer assignment\r\n";
        else
            text += "compiling: C:\\work (v2)\\module.bas, pass " + std::to_string(line) +
                    " of the code generator\r\n";
    }
    text.resize(bytes);
    return text;
}

const std::string& Output() {
    static const std::string output = MakeOutput(kTenMegabytes);
    return output;
}

void AccumulateInReadSizedChunks(benchmark::State& state) {
    const std::string& output = Output();
    for (auto _ : state) {
        tavrin::OutputAccumulator accumulator;
        for (size_t at = 0; at < output.size(); at += 255)
            accumulator.Append(std::string_view(output).substr(at, 255));
        benchmark::DoNotOptimize(accumulator.Lines().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * output.size()));
}
BENCHMARK(AccumulateInReadSizedChunks)->Unit(benchmark::kMillisecond);

// The whole driver: Compile() over a pipe that gives 255 bytes per read, with
// an output handler that shows the tail of the text as the status bar does.
void CompileWithTenMegabytesOfOutput(benchmark::State& state) {
    std::string source = (std::filesystem::temp_directory_path() / "bench main.bas").string();
    std::ofstream(source) << "print 1\n";
    size_t shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tavrin::test::ScriptedProcesses processes;
        processes.outputChunks = {Output()};
        tavrin::TCompiler compiler(processes);
        compiler.SetSourceFile(source);
        compiler.OnOutput = [&](std::string_view) {
            shown += compiler.Output.Tail(200).size();
        };
        state.ResumeTiming();
        compiler.Compile();
        benchmark::DoNotOptimize(compiler.Output.Lines().size());
    }
    benchmark::DoNotOptimize(shown);
    std::filesystem::remove(source);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Output().size()));
}
BENCHMARK(CompileWithTenMegabytesOfOutput)->Unit(benchmark::kMillisecond);

void ParseTenMegabytesOfOutput(benchmark::State& state) {
    std::vector<std::string> lines = tavrin::SplitLines(Output());
    for (auto _ : state) {
        tavrin::test::RecordingErrorMarks pages;
        tavrin::TDebugger errors(pages);
        errors.Lines = lines;
        errors.ParseOutput();
        benchmark::DoNotOptimize(errors.ErrorLines().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Output().size()));
}
BENCHMARK(ParseTenMegabytesOfOutput)->Unit(benchmark::kMillisecond);

// For comparison: re-splitting the whole text after every read, as a literal
// reading of the driver's loop would do. Quadratic: measured on 512 KB only.
void ResplitEverythingAfterEachRead(benchmark::State& state) {
    std::string output = Output().substr(0, static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::string text;
        size_t lines = 0;
        for (size_t at = 0; at < output.size(); at += 255) {
            text.append(output, at, 255);
            lines = tavrin::SplitLines(text).size();
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(ResplitEverythingAfterEachRead)->Arg(128 * 1024)->Arg(512 * 1024)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
