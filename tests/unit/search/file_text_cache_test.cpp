#include "search/file_text_cache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "search/find_in_files.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

TEST(FileTextCache, KeepsTextsWhileTheirStampStaysAndWithinTheBudget) {
    FileTextCache cache(100);
    const FileStamp stamp{10, 7};
    ASSERT_NE(cache.Keep("a", stamp, std::string(10, 'a')), nullptr);
    EXPECT_EQ(*cache.Find("a", stamp), std::string(10, 'a'));
    EXPECT_EQ(cache.Find("a", {10, 8}), nullptr) << "changed since";
    EXPECT_EQ(cache.Find("a", {11, 7}), nullptr);
    EXPECT_EQ(cache.Find("b", stamp), nullptr);
    EXPECT_EQ(cache.Keep("big", stamp, std::string(26, 'x')), nullptr) << "more than a quarter of the budget";
    // Keeping again replaces; the oldest texts go when the budget is full.
    cache.Keep("a", {12, 9}, std::string(12, 'A'));
    EXPECT_EQ(cache.Bytes(), 12u);
    for (char name = 'b'; name <= 'i'; ++name) cache.Keep(std::string(1, name), stamp, std::string(20, name));
    EXPECT_LE(cache.Bytes(), 100u);
    EXPECT_EQ(cache.Find("a", {12, 9}), nullptr);
    EXPECT_NE(cache.Find("i", stamp), nullptr);
    // Keeping one file over and over keeps its bookkeeping small.
    for (int round = 0; round < 20000; ++round) cache.Keep("i", {20, static_cast<unsigned long long>(round)}, std::string(20, 'i'));
    EXPECT_LE(cache.Bytes(), 100u);
    EXPECT_NE(cache.Find("i", {20, 19999}), nullptr);
}

TEST(FileTextCache, ASecondDirectorySearchReadsOnlyChangedFiles) {
    test::TempFolder folder;
    folder.Write("a.bas", "key\n");
    std::string changed = folder.Write("sub/b.bas", "no\n");
    FileTextCache cache;
    FindInFilesQuery query;
    query.text = "key";
    query.place = SearchPlace::Directory;
    query.folder = folder.Path();
    std::vector<std::string> reports;
    FindInFilesEvents events;
    events.report = [&](const std::string& line) { reports.push_back(line); };
    FindInFilesSummary first = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(first.filesRead, 2);
    FindInFilesSummary second = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(second.files, 2);
    EXPECT_EQ(second.filesRead, 0);
    EXPECT_EQ(reports.size(), 2u);
    folder.Write("sub/b.bas", "key key\n");
    std::filesystem::last_write_time(changed, std::filesystem::last_write_time(changed) + std::chrono::seconds(5));
    FindInFilesSummary third = FindInFiles(query, {}, events, &cache);
    EXPECT_EQ(third.filesRead, 1);
    EXPECT_EQ(third.occurrences, 3);
}

}  // namespace
}  // namespace tavrin
