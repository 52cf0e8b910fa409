// The report of a fatal error and the notice that tells the user where the
// kept pages and the report are.
#include "workbench/crash_report.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

CrashFacts AccessViolationInAPack() {
    CrashFacts facts;
    facts.program = "Tavrin2 11.0.0.0";
    facts.time = "2024-05-01 10:20:30";
    facts.code = 0xC0000005;
    facts.accessKind = 1;
    facts.accessAddress = 0x10;
    facts.address = 0x6B4415E8;
    facts.moduleBase = 0x6B440000;
    facts.module = "C:\\Program Files\\Tavrin2\\FaultPack.dll";
    facts.lastCommand = "New Dialog (toolbar)";
    facts.pagesKept = 2;
    facts.recoveryFolder = "C:\\Users\\u\\AppData\\Roaming\\Tavrin2\\Recovery\\20240501-102030-77";
    return facts;
}

TEST(CrashReport, NamesTheErrorTheModuleTheOffsetAndTheLastCommand) {
    EXPECT_EQ(CrashReportText(AccessViolationInAPack()),
              "Fatal error report\r\n"
              "Program: Tavrin2 11.0.0.0\r\n"
              "Time: 2024-05-01 10:20:30\r\n"
              "Error: access violation (writing 0x00000010), code 0xC0000005\r\n"
              "Address: 0x6B4415E8 in FaultPack.dll + 0x000015E8 (C:\\Program Files\\Tavrin2\\FaultPack.dll)\r\n"
              "Last command: New Dialog (toolbar)\r\n"
              "Pages kept: 2 in C:\\Users\\u\\AppData\\Roaming\\Tavrin2\\Recovery\\20240501-102030-77\r\n");

    CrashFacts outside = AccessViolationInAPack();
    outside.accessKind = 8;
    outside.accessAddress = outside.address = 0x12;
    outside.module.clear();
    outside.lastCommand.clear();
    outside.pagesKept = 0;
    std::string report = CrashReportText(outside);
    EXPECT_NE(report.find("Error: access violation (executing 0x00000012)"), std::string::npos) << report;
    EXPECT_NE(report.find("Address: 0x00000012 (in no module)"), std::string::npos) << report;
    EXPECT_NE(report.find("Last command: none\r\nPages kept: 0\r\n"), std::string::npos) << report;

    CrashFacts cpp;
    cpp.systemException = false;
    cpp.cppException = "std::length_error: vector::reserve";
    report = CrashReportText(cpp);
    EXPECT_NE(report.find("Error: a C++ exception that no code handled: std::length_error: vector::reserve\r\n"),
              std::string::npos) << report;
    EXPECT_EQ(report.find("Address:"), std::string::npos);
}

TEST(CrashReport, AnErrorTheWorkbenchSurvivesIsReportedAsSuch) {
    CrashFacts facts = AccessViolationInAPack();
    facts.fatal = false;
    facts.systemException = false;
    facts.cppException = "list index out of bounds";
    std::string report = CrashReportText(facts);
    EXPECT_EQ(report.rfind("Error report (the workbench went on)\r\n", 0), 0u) << report;
    EXPECT_NE(report.find("Error: an exception the workbench did not expect: list index out of bounds\r\n"),
              std::string::npos) << report;
    EXPECT_EQ(UnexpectedErrorNoticeText(facts, facts.recoveryFolder + "\\error-report-1.txt"),
              "\n\nThis is a fault of Tavrin2; it goes on. The texts of your 2 unsaved pages were kept in:\n" +
                  facts.recoveryFolder + "\nA report of the error was written to:\n" + facts.recoveryFolder +
                  "\\error-report-1.txt");
}

TEST(CrashReport, ExceptionCodesHaveNames) {
    EXPECT_EQ(ExceptionName(0xC00000FD), "stack overflow");
    EXPECT_EQ(ExceptionName(0xC0000094), "integer division by zero");
    EXPECT_EQ(ExceptionName(0xE06D7363), "exception 0xE06D7363");
}

TEST(CrashReport, TheNoticeSaysWhereThePagesAndTheReportAre) {
    CrashFacts facts = AccessViolationInAPack();
    std::string notice = CrashNoticeText(facts, facts.recoveryFolder + "\\crash-report.txt");
    EXPECT_EQ(notice,
              "Tavrin2 met a fatal error and has to close.\n\n"
              "The texts of your 2 unsaved pages were kept in:\n" + facts.recoveryFolder +
              "\nThe next start offers to restore them.\n\n"
              "A report of the error was written to:\n" + facts.recoveryFolder + "\\crash-report.txt");
    facts.pagesKept = 1;
    notice = CrashNoticeText(facts, "");
    EXPECT_NE(notice.find("The text of your unsaved page was kept in:\n" + facts.recoveryFolder), std::string::npos) << notice;
    EXPECT_NE(notice.find("offers to restore it."), std::string::npos) << notice;
    EXPECT_NE(notice.find("The report of the error could not be written."), std::string::npos) << notice;
    facts.pagesKept = 0;
    EXPECT_NE(CrashNoticeText(facts, "r.txt").find("No page had unsaved changes."), std::string::npos);
}

}  // namespace
}  // namespace tavrin
