// Timed tool for code pages under Wine (not a test): opens a generated
// 1,000,000-line source in a code page (read, decode, editor, scan, explorer)
// and rescans a 100,000-line page the way Enter does. Prints the figures.
//   scripts/wine-run.sh build/<config>/tests/bench/code_page_bench.exe
// Other modes, by environment variable: BENCH_STEPS=1 times the steps of an
// open one by one; BENCH_LIBRARY=1 opens a copy of kernel32.dll; BENCH_APPEND=1
// times result-window appends; BENCH_SHOW=<ms> shows a sample page with an
// error line for that long (for a screenshot).
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>

#include "../win32/workbench/workbench_fixture.h"
#include "workbench/code_window.h"
#include "analysis/explorer_tree_view.h"
#include "common/string_list.h"
#include "common/text_codec.h"
#include "workbench/code_page.h"
#include "workbench/file_commands.h"
#include "settings/launcher.h"
#include "workbench/workbench.h"

#include <Scintilla.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of this thread (the machine may be busy with other work).
double ThreadMilliseconds() {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    auto value = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

// Source shaped like ordinary FreeBASIC code: types with fields, shared
// variables, procedures with bodies, comments and blank lines.
std::string GeneratedSource(int lines) {
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 28);
    int written = 0, block = 0;
    auto line = [&](const std::string& content) {
        text += content;
        text += "\r\n";
        ++written;
    };
    while (written < lines) {
        std::string n = std::to_string(block++);
        switch (block % 4) {
        case 0:
            line("type TRecord" + n);
            line("   left as integer");
            line("   name as zstring * 32");
            line("end type");
            break;
        case 1:
            line("dim shared value" + n + " as integer");
            line("' a comment line " + n);
            break;
        case 2:
            line("sub Work" + n + "(byval count as integer)");
            line("   dim i as integer");
            line("   for i = 1 to count");
            line("      print \"step \"; i");
            line("   next");
            line("end sub");
            break;
        default:
            line("");
            line("/' block comment " + n + " '/");
            break;
        }
    }
    return text;
}

std::string Write(const std::string& name, const std::string& text) {
    std::string path = tavrin::test::TestProgramFolder() + "\\" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
    return path;
}

}  // namespace

int main() {
    using namespace tavrin;
    test::EnsureWorkbenchStarted();
    std::string big = Write("bench_1m.bas", GeneratedSource(1000000));
    std::string medium = Write("bench_100k.bas", GeneratedSource(100000));

    if (GetEnvironmentVariableA("BENCH_STEPS", nullptr, 0)) {
        // The steps of an open, one by one.
        std::string bytes;
        auto start = Clock::now();
        ReadWholeFile(big, bytes);
        std::printf("read: %.1f ms\n", MillisecondsSince(start));
        start = Clock::now();
        DecodedText decoded = DecodeSourceBytes(bytes);
        std::printf("decode: %.1f ms\n", MillisecondsSince(start));
        TCodePage page(App().Code->Handle(), nullptr);
        start = Clock::now();
        page.Editor().LoadText(decoded.text, false, "\r\n");
        std::printf("editor load: %.1f ms\n", MillisecondsSince(start));
        start = Clock::now();
        page.ScanText();
        std::printf("scan without explorer: %.1f ms\n", MillisecondsSince(start));
        start = Clock::now();
        page.Scanner().SetTreeView(Explorer());
        std::printf("explorer tree: %.1f ms\n", MillisecondsSince(start));
    }
    if (GetEnvironmentVariableA("BENCH_SHOW", nullptr, 0)) {
        // A page to look at (and photograph): highlighting, explorer, an error line.
        std::string sample = Write("sample.bas",
            "#include once \"windows.bi\"\r\n"
            "/' A small dialog program\r\n   with a block comment '/\r\n"
            "type TPoint\r\n   x as integer\r\n   y as integer\r\n   declare function Length() as double\r\nend type\r\n"
            "\r\nenum Colors\r\n   Red\r\n   Blue = 5\r\nend enum\r\n\r\n"
            "const Title = \"Tavrin2 sample\"\r\ndim shared origin as TPoint\r\n\r\n"
            "function TPoint.Length() as double\r\n   return sqr(x * x + y * y)  ' distance\r\nend function\r\n\r\n"
            "sub Main()\r\n   dim p as TPoint\r\n   p.x = 3: p.y = 4\r\n   print Title; p.Length()\r\n   prnt 42\r\nend sub\r\n");
        OpenFile(sample);
        auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
        auto error = std::make_unique<TError>();
        error->SetKind(0);
        error->Background = 0x0000FF;
        error->Foreground = 0xFFFFFF;
        error->Line = 26;
        page->Editor().Edit().AddError(std::move(error));
        page->Editor().Edit().AddGutterMark(25);
        App().Code->Results().AppendLine(sample + "(26) error 41: Variable not declared, prnt in 'prnt 42'");
        page->Editor().Edit().SetCaretLine(25);
        SetForegroundWindow(App().Code->Handle());
        if (GetEnvironmentVariableA("BENCH_COMPLETION", nullptr, 0)) {
            // Member completion on the shared variable below the error line.
            TELSuperEdit& edit = page->Editor().Edit();
            App().Launcher->AllowCompletion = true;
            edit.Call(SCI_GOTOPOS, edit.Call(SCI_GETLINEENDPOSITION, 26));
            SetFocus(edit.Handle());
            for (char c : std::string("\r\n   origin.")) SendMessageA(edit.Handle(), WM_CHAR, c, 0);
        }
        test::Pump(static_cast<DWORD>(std::atoi(std::getenv("BENCH_SHOW"))));
        ExitProcess(0);
    }
    if (GetEnvironmentVariableA("BENCH_APPEND", nullptr, 0)) {
        ScintillaView& results = App().Code->Results();
        auto time = [&](const char* what, auto&& step) {
            results.SetText("");
            auto start = Clock::now();
            for (int i = 0; i < 100; ++i) step();
            std::printf("%s: %.2f ms per line\n", what, MillisecondsSince(start) / 100);
        };
        const char* line = "CreateFileA\r\n";
        time("AppendLine", [&] { results.AppendLine("CreateFileA"); });
        time("SCI_APPENDTEXT", [&] { results.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line)); });
        results.Call(SCI_SETSCROLLWIDTHTRACKING, 0);
        time("no width tracking", [&] { results.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line)); });
        results.Call(SCI_SETSCROLLWIDTHTRACKING, 1);
        ShowWindow(results.Handle(), SW_HIDE);
        time("hidden", [&] { results.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line)); });
        ShowWindow(results.Handle(), SW_SHOW);
        SendMessageA(results.Handle(), WM_SETREDRAW, FALSE, 0);
        time("no redraw", [&] { results.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line)); });
        SendMessageA(results.Handle(), WM_SETREDRAW, TRUE, 0);
        results.Call(SCI_SETMODEVENTMASK, 0);
        results.Call(2717 /* SCI_SETCOMMANDEVENTS */, 0);
        time("no notifications", [&] { results.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line)); });
        results.Call(SCI_SETMODEVENTMASK, SC_MODEVENTMASKALL);
        results.Call(2717, 1);
        ScintillaView bare;
        HWND top = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        bare.Create(top, 5);
        MoveWindow(bare.Handle(), 0, 0, 400, 300, TRUE);
        test::Pump(100);
        auto start = Clock::now();
        for (int i = 0; i < 100; ++i) bare.Call(SCI_APPENDTEXT, 13, reinterpret_cast<LPARAM>(line));
        std::printf("bare control: %.2f ms per line\n", MillisecondsSince(start) / 100);
        ExitProcess(0);
    }
    if (GetEnvironmentVariableA("BENCH_LIBRARY", nullptr, 0)) {
        // A library opened as a page: its exports listed, its bytes scanned.
        char system[MAX_PATH];
        GetSystemDirectoryA(system, MAX_PATH);
        std::string library = test::TestProgramFolder() + "\\bench_kernel32.dll";
        CopyFileA((std::string(system) + "\\kernel32.dll").c_str(), library.c_str(), FALSE);
        auto start = Clock::now();
        for (int i = 0; i < 100; ++i) App().Code->Results().AppendLine("CreateFileA");
        std::printf("100 result lines one by one: %.1f ms\n", MillisecondsSince(start));
        App().Code->Results().SetText("");
        start = Clock::now();
        NewPage(false, library);
        std::printf("library page alone: %.1f ms\n", MillisecondsSince(start));
        App().Code->FreePage(App().Code->ActivePage());
        start = Clock::now();
        OpenFile(library);
        std::printf("library page: %.1f ms, %d result lines, %zu explorer nodes\n", MillisecondsSince(start),
                    App().Code->Results().LineCount(), Explorer()->NodeCount());
        start = Clock::now();
        dynamic_cast<TCodePage*>(App().Code->ActivePage())->ScanText();
        std::printf("library rescan: %.1f ms\n", MillisecondsSince(start));
        App().Code->FreePage(App().Code->ActivePage());
        DeleteFileA(library.c_str());
    }
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        double cpu = ThreadMilliseconds();
        OpenFile(big);
        double openMs = MillisecondsSince(start);
        cpu = ThreadMilliseconds() - cpu;
        auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
        std::printf("open 1,000,000 lines (%d in the editor, %zu explorer nodes): %.1f ms (%.1f ms processor)\n",
                    page->Editor().Edit().LineCount(), Explorer() ? Explorer()->NodeCount() : 0, openMs, cpu);
        App().Code->FreePage(page);
    }

    OpenFile(medium);
    auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
    int scans = 0;
    page->Scanner().OnEnd = [&](TScanner&, double) { ++scans; };
    double best = 1e9, total = 0, bestCpu = 1e9;
    const int runs = 10;
    for (int i = 0; i < runs; ++i) {
        // Enter on a declaration line at the caret rescans the whole page.
        page->Editor().Lines().SetLine(0, "dim shared extra" + std::to_string(i) + " as integer");
        page->Editor().Edit().SetCaretLine(0);
        auto start = Clock::now();
        double cpu = ThreadMilliseconds();
        page->Editor().EnterPressed();
        double ms = MillisecondsSince(start);
        bestCpu = std::min(bestCpu, ThreadMilliseconds() - cpu);
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("rescan 100,000 lines after Enter: best %.1f ms, mean %.1f ms, best processor %.1f ms "
                "(%d runs, %d scans)\n", best, total / runs, bestCpu, runs, scans);
    // The same scan without the explorer: the share of the scanner alone.
    page->Scanner().SetTreeView(nullptr);
    best = 1e9;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        page->ScanText();
        best = std::min(best, MillisecondsSince(start));
    }
    std::printf("  of which the scanner alone: best %.1f ms\n", best);
    page->Scanner().OnEnd = nullptr;
    App().Code->FreePage(page);
    DeleteFileA(big.c_str());
    DeleteFileA(medium.c_str());
    std::fflush(stdout);
    ExitProcess(0);
}
