#include "workbench/crash_report.h"

#include <cstdio>

#include "common/paths.h"

namespace tavrin {

namespace {

std::string Hex(std::uintptr_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

std::string AccessText(const CrashFacts& facts) {
    const char* verb = facts.accessKind == 0   ? "reading"
                       : facts.accessKind == 1 ? "writing"
                       : facts.accessKind == 8 ? "executing"
                                               : nullptr;
    if (!verb) return {};
    return std::string(" (") + verb + " " + Hex(facts.accessAddress) + ")";
}

std::string WhereText(const CrashFacts& facts) {
    if (!facts.address) return "unknown";
    if (facts.module.empty()) return Hex(facts.address) + " (in no module)";
    return Hex(facts.address) + " in " + ExtractFileName(facts.module) + " + " + Hex(facts.address - facts.moduleBase) +
           " (" + facts.module + ")";
}

}  // namespace

std::string ExceptionName(std::uint32_t code) {
    switch (code) {
    case 0xC0000005: return "access violation";
    case 0xC00000FD: return "stack overflow";
    case 0xC0000094: return "integer division by zero";
    case 0xC0000095: return "integer overflow";
    case 0xC000008E: return "floating-point division by zero";
    case 0xC000001D: return "illegal instruction";
    case 0xC0000096: return "privileged instruction";
    case 0xC0000006: return "in-page error";
    case 0xC0000409: return "stack buffer overrun";
    case 0xC0000374: return "heap corruption";
    case 0x80000003: return "breakpoint";
    }
    char text[32];
    std::snprintf(text, sizeof text, "exception 0x%08X", static_cast<unsigned>(code));
    return text;
}

std::string CrashReportText(const CrashFacts& facts) {
    std::string report = facts.fatal ? "Fatal error report\r\n" : "Error report (the workbench went on)\r\n";
    report += "Program: " + facts.program + "\r\n";
    report += "Time: " + facts.time + "\r\n";
    if (facts.systemException) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(facts.code));
        report += "Error: " + ExceptionName(facts.code) + AccessText(facts) + ", code " + code + "\r\n";
        report += "Address: " + WhereText(facts) + "\r\n";
    } else {
        report += std::string("Error: ") +
                  (facts.fatal ? "a C++ exception that no code handled: " : "an exception the workbench did not expect: ") +
                  (facts.cppException.empty() ? std::string("unknown") : facts.cppException) + "\r\n";
    }
    report += "Last command: " + (facts.lastCommand.empty() ? std::string("none") : facts.lastCommand) + "\r\n";
    report += "Pages kept: " + std::to_string(facts.pagesKept);
    if (facts.pagesKept > 0) report += " in " + facts.recoveryFolder;
    report += "\r\n";
    return report;
}

namespace {

std::string KeptText(const CrashFacts& facts) {
    if (facts.pagesKept == 1) return "The text of your unsaved page was kept in:\n" + facts.recoveryFolder;
    if (facts.pagesKept > 1)
        return "The texts of your " + std::to_string(facts.pagesKept) + " unsaved pages were kept in:\n" +
               facts.recoveryFolder;
    return "No page had unsaved changes.";
}

std::string ReportText(const std::string& reportPath) {
    if (reportPath.empty()) return "The report of the error could not be written.";
    return "A report of the error was written to:\n" + reportPath;
}

}  // namespace

std::string CrashNoticeText(const CrashFacts& facts, const std::string& reportPath) {
    std::string text = "Tavrin2 met a fatal error and has to close.\n\n" + KeptText(facts);
    if (facts.pagesKept > 0) text += facts.pagesKept == 1 ? "\nThe next start offers to restore it." : "\nThe next start offers to restore them.";
    return text + "\n\n" + ReportText(reportPath);
}

std::string UnexpectedErrorNoticeText(const CrashFacts& facts, const std::string& reportPath) {
    return "\n\nThis is a fault of Tavrin2; it goes on. " + KeptText(facts) + "\n" + ReportText(reportPath);
}

}  // namespace tavrin
