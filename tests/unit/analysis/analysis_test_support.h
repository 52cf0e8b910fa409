// Helpers of the analysis tests: a temporary folder, files in it, and a
// scanner fixture that collects reports and starts from a clean shared state.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/scanner.h"
#include "common/text.h"

namespace tavrin::test {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tavrin_analysis_" + std::to_string(Stamp()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    std::string Path() const { return path_.string(); }
    // Writes a file (folders created) and returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

private:
    static long long Stamp() {
        static const long long stamp =
            std::chrono::steady_clock::now().time_since_epoch().count() % 1000000007;
        return stamp;
    }
    std::filesystem::path path_;
};

class ScannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        TScanner::ResetSharedState();
        scanner.OnReport = [this](const std::string& line) { reports.push_back(line); };
    }
    void TearDown() override { TScanner::ResetSharedState(); }

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
