#include "search/file_read_ahead.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tavrin {
namespace {

TEST(FileReadAhead, HandsOutEveryFileInOrderWhateverTheHelpersDo) {
    test::TempFolder folder;
    std::vector<std::string> paths;
    for (int i = 0; i < 300; ++i)
        paths.push_back(folder.Write("f" + std::to_string(i), std::string(static_cast<std::size_t>(i % 7) * 1000, 'a' + i % 26)));
    paths.insert(paths.begin() + 10, folder.Path("missing"));
    for (unsigned threads : {1u, 3u}) {
        FileReadAhead ahead(threads, 5);
        ahead.Add({paths.begin(), paths.begin() + 100});
        std::string path, bytes;
        FileReadStatus status;
        std::size_t taken = 0;
        while (ahead.Next(path, bytes, status)) {
            ASSERT_EQ(path, paths[taken]);
            if (path == folder.Path("missing")) {
                EXPECT_EQ(status, FileReadStatus::Missing);
            } else {
                int i = std::stoi(path.substr(path.rfind('f') + 1));
                EXPECT_EQ(status, FileReadStatus::Ok);
                EXPECT_EQ(bytes, std::string(static_cast<std::size_t>(i % 7) * 1000, 'a' + i % 26));
            }
            if (++taken == 100) ahead.Add({paths.begin() + 100, paths.end()});  // more files come later
        }
        EXPECT_EQ(taken, paths.size());
        EXPECT_EQ(ahead.Pending(), 0u);
    }
}

TEST(FileReadAhead, StopsWhenDestroyedHalfWay) {
    test::TempFolder folder;
    std::vector<std::string> paths;
    for (int i = 0; i < 200; ++i) paths.push_back(folder.Write("f" + std::to_string(i), "text"));
    FileReadAhead ahead(2, 8);
    ahead.Add(paths);
    std::string path, bytes;
    FileReadStatus status;
    ASSERT_TRUE(ahead.Next(path, bytes, status));
    EXPECT_EQ(ahead.Pending(), 199u);
    // Leaving the scope with files pending must neither hang nor crash.
}

TEST(FileReadAhead, NothingAddedIsNothingToTake) {
    FileReadAhead ahead;
    std::string path, bytes;
    FileReadStatus status;
    EXPECT_FALSE(ahead.Next(path, bytes, status));
    ahead.Add({});
    EXPECT_FALSE(ahead.Next(path, bytes, status));
}

}  // namespace
}  // namespace tavrin
