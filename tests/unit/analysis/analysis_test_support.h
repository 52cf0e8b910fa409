// Helpers of the analysis tests: a scanner fixture that collects the reports
// of malformed lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/scanner.h"
#include "common/text.h"
#include "support/temp_folder.h"

namespace tavrin::test {

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        scanner.OnReport = [this](const std::string& line) { reports.push_back(line); };
    }

    // Scans lines joined with LF under the name "test.bas".
    void ScanLines(const std::vector<std::string>& lines) {
        scanner.ScanText(Join(lines, "\n"), "test.bas");
    }
    const FieldList& List(TScanner::Category category) { return scanner.List(category); }
    std::vector<std::string> Names(TScanner::Category category) { return NamesOf(List(category)); }

    TScanner scanner;
    std::vector<std::string> reports;
};

}  // namespace tavrin::test
