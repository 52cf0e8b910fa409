#include "search/file_read_ahead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "support/temp_folder.h"

namespace tavrin {
namespace {

using test::TempFolder;

// Takes every item, waiting as long as it takes.
std::vector<AheadItem> TakeAll(FileReadAhead& reading) {
    std::vector<AheadItem> items;
    AheadItem item;
    for (FileReadAhead::Taken taken; (taken = reading.Next(item, 50)) != FileReadAhead::Taken::End;) {
        if (taken != FileReadAhead::Taken::Item) continue;
        items.push_back(item);
        reading.GiveBack(std::move(item.bytes));
    }
    return items;
}

TEST(FileReadAhead, ItemsComeInTheSourcesOrderWithTheirBytes) {
    TempFolder folder;
    std::vector<std::vector<AheadFile>> portions(3);
    std::string expected;
    for (int i = 0; i < 120; ++i) {
        // Long and short files by turns: reused storage must take each file's own length.
        std::string text = std::string(i % 2 ? 5 : 70000, static_cast<char>('a' + i % 26)) + std::to_string(i);
        portions[i % 3].push_back({folder.Write("f" + std::to_string(i), text), {}, true});
    }
    portions[1].push_back({folder.Path("missing"), {}, true});
    portions[2].push_back({folder.Path("kept elsewhere"), {}, false});
    std::size_t given = 0;
    FileReadAhead reading([&](AheadPortion& portion) {
        if (given == portions.size()) return false;
        portion.folder = given == 1 ? "" : "folder" + std::to_string(given);
        portion.files = portions[given++];
        return true;
    });
    std::vector<AheadItem> items = TakeAll(reading);

    std::vector<std::string> order, wanted;
    for (std::size_t p = 0; p < portions.size(); ++p) {
        if (p != 1) wanted.push_back("start of folder" + std::to_string(p));
        for (const AheadFile& file : portions[p]) wanted.push_back(file.path);
    }
    for (const AheadItem& item : items) {
        order.push_back(item.startsFolder ? "start of " + item.folder : item.file.path);
        if (item.startsFolder || !item.file.read) {
            EXPECT_TRUE(item.bytes.empty());
            continue;
        }
        if (item.file.path == folder.Path("missing")) {
            EXPECT_EQ(item.status, FileReadStatus::Missing);
            continue;
        }
        std::ifstream file(item.file.path, std::ios::binary);
        std::string onDisk((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(item.status, FileReadStatus::Ok);
        EXPECT_EQ(item.bytes, onDisk) << item.file.path;
    }
    EXPECT_EQ(order, wanted);
}

TEST(FileReadAhead, ReadingStaysABoundedDistanceAheadAndStopsWithTheReader) {
    TempFolder folder;
    const std::string big = folder.Write("big", std::string(FileReadAhead::kBytesAhead + 1000, 'x'));
    const std::string small = folder.Write("small", "text");
    std::atomic<int> portions{0};
    {
        // An endless source: the big file (listed with its size) first, then small files.
        FileReadAhead reading([&](AheadPortion& portion) {
            bool first = portions++ == 0;
            portion.files.push_back({first ? big : small, {first ? FileReadAhead::kBytesAhead + 1000 : 4, 0}, true});
            return true;
        });
        AheadItem item;
        while (reading.Next(item, 50) != FileReadAhead::Taken::Item) {}
        EXPECT_EQ(item.bytes.size(), FileReadAhead::kBytesAhead + 1000) << "a file larger than the bound is still read";
        // The reading threads fill what they may and wait for the reader; leaving them ends them.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    int asked = portions;
    EXPECT_LE(asked, int(FileReadAhead::kFilesAhead + 64)) << "the listing ran ahead without bound";
}

TEST(FileReadAhead, AFailingSourceEndsAfterTheItemsBeforeIt) {
    TempFolder folder;
    std::string file = folder.Write("one", "1");
    int calls = 0;
    FileReadAhead reading([&](AheadPortion& portion) {
        if (calls++ > 0) throw std::runtime_error("the folder went away");
        portion.files.push_back({file, {}, true});
        return true;
    });
    AheadItem item;
    FileReadAhead::Taken taken;
    while ((taken = reading.Next(item, 50)) == FileReadAhead::Taken::NotYet) {}
    ASSERT_EQ(taken, FileReadAhead::Taken::Item);
    EXPECT_EQ(item.bytes, "1");
    EXPECT_THROW(
        while (reading.Next(item, 50) != FileReadAhead::Taken::End) {}, std::runtime_error);
}

}  // namespace
}  // namespace tavrin
