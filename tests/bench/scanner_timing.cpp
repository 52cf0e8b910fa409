// Plain timing of the scanner over a generated corpus, for platforms without
// Google Benchmark (the win32 build run under Wine):
//   scanner_timing <corpus folder> [rounds]
// Prints the lines scanned per second, reading the files included.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/scanner.h"
#include "common/file_search.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scanner_timing <corpus folder> [rounds]\n");
        return 2;
    }
    int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    std::vector<std::string> files;
    tavrin::FileSearch(argv[1], "*.bi", true, files);
    if (files.empty()) {
        std::fprintf(stderr, "no *.bi files in %s\n", argv[1]);
        return 1;
    }
    tavrin::TScanner scanner;
    scanner.OnReport = [](const std::string&) {};
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        size_t lines = 0;
        auto start = std::chrono::steady_clock::now();
        for (const std::string& file : files) {
            scanner.ScanFile(file);
            lines += scanner.LineCount();
        }
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        double rate = static_cast<double>(lines) / seconds;
        if (rate > best) best = rate;
        std::printf("round %d: %zu files, %zu lines, %.3f s, %.2f million lines/s\n", round + 1,
                    files.size(), lines, seconds, rate / 1e6);
    }
    std::printf("best: %.2f million lines/s\n", best / 1e6);

    // The same texts already in memory: the scanning alone.
    std::vector<std::string> texts;
    size_t totalLines = 0;
    for (const std::string& file : files) {
        scanner.ScanFile(file);
        std::string text;
        for (size_t i = 0; i < scanner.LineCount(); ++i) {
            text.append(scanner.Line(i));
            text += '\n';
        }
        totalLines += scanner.LineCount();
        texts.push_back(std::move(text));
    }
    auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < texts.size(); ++i) scanner.ScanText(texts[i], files[i]);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("in memory: %zu lines, %.3f s, %.2f million lines/s\n", totalLines, seconds,
                static_cast<double>(totalLines) / seconds / 1e6);
    return 0;
}
