// Time of a member lookup on a page that includes a large header tree (the
// corpus of generate_corpus.py with --include-tree):
//   completion_timing <compiler folder holding "inc"> [lookups] [page lines]
// Builds the include database over the tree, then times what typing "." after
// "r" does on a page of "#include once "windows.bi"" and "dim r as RECT":
// the first lookup (which resolves the page's include chain) and the next
// ones (which find the chain kept); then the same at the end of a long page
// (20,000 lines unless given). Exit code 1 when the members are not the
// Win32 RECT's, 0 otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "common/file_search.h"
#include "editor/editor_rules.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavrin;
    if (argc < 2) {
        std::fprintf(stderr, "usage: completion_timing <compiler folder> [lookups]\n");
        return 2;
    }
    std::string compiler = argv[1];
    int lookups = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    SetScanReportSink([](const std::string&) {});
    TDataBase database("");
    auto start = std::chrono::steady_clock::now();
    database.AddCompilerIncludes(compiler);
    std::printf("database: %zu files, %zu types, built in %.0f ms\n", database.FileList().size(),
                database.Count(), MillisecondsSince(start));

    size_t pageLines = argc > 3 ? static_cast<size_t>(std::max(0, std::atoi(argv[3]))) : 20000;
    const std::string top = "#include once \"windows.bi\"\r\n\r\n";
    const std::string paint =
        "sub Paint(byval dc as HDC)\r\n"
        "    dim r as RECT\r\n\r\n"
        "    GetClientRect(hwnd, @r)\r\n"
        "    r.";
    std::string longPage = top;
    for (size_t i = 0; i * 5 < pageLines; ++i)
        longPage += "sub Work" + std::to_string(i) +
                    "(byval a as integer)\r\n    dim x as integer = a * 2 ' twice\r\n"
                    "    print x\r\nend sub\r\n\r\n";
    longPage += paint;

    std::vector<std::string> folders = IncludeSearchFolders({}, JoinPath(compiler, "fbc.exe"));
    IncludeChainCache chains;
    CompletionLists lists;
    // Times the lookups on a page; the times in milliseconds, in order.
    auto time = [&](const std::string& page, int count) {
        TScanner scanner;
        scanner.ScanText(page, "page.bas");
        std::vector<double> times;
        for (int i = 0; i < count; ++i) {
            auto start = std::chrono::steady_clock::now();
            CompletionLookups completion;
            completion.findSymbol = [&](std::string_view name) { return scanner.FindSymbol(name); };
            completion.findType = PageTypeLookup(page, "", scanner, &database, folders, chains);
            lists = FindDotCompletion(page, page.size(), completion);
            times.push_back(MillisecondsSince(start));
        }
        return times;
    };
    auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };

    std::vector<double> times = time(top + paint, lookups);
    std::string page = top + paint;
    auto chain = chains.Chain("", IncludeNames(page), folders);
    std::printf("include chain: %zu files\n", chain->Count());
    std::printf("first lookup (resolves the chain): %.1f ms\n", times.front());
    if (times.size() > 1) {
        std::vector<double> rest(times.begin() + 1, times.end());
        std::printf("next %zu lookups (chain kept): median %.2f ms, worst %.2f ms\n", rest.size(), median(rest),
                    *std::max_element(rest.begin(), rest.end()));
    }
    std::string offered;
    for (const std::string& name : lists.insert) offered += name + " ";
    times = time(longPage, lookups);
    std::printf("lookup at the end of a %zu-line page: median %.2f ms, worst %.2f ms\n", pageLines, median(times),
                *std::max_element(times.begin(), times.end()));
    std::string offeredOnLongPage;
    for (const std::string& name : lists.insert) offeredOnLongPage += name + " ";
    std::printf("offered: %s\n", offered.c_str());
    if (offeredOnLongPage != offered) std::printf("offered on the long page: %s\n", offeredOnLongPage.c_str());
    return offered == "left top right bottom " && offeredOnLongPage == offered ? 0 : 1;
}
