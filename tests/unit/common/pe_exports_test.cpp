#include "common/pe_exports.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace tavrin {
namespace {

void Put16(std::string& image, size_t at, uint32_t value) {
    image[at] = static_cast<char>(value & 0xFF);
    image[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}
void Put32(std::string& image, size_t at, uint32_t value) {
    Put16(image, at, value & 0xFFFF);
    Put16(image, at + 2, value >> 16);
}

// A 32-bit library image with one section holding an export directory of two names.
std::string LibraryImage() {
    std::string image(0x400, '\0');
    Put16(image, 0, 0x5A4D);
    Put32(image, 0x3C, 0x40);
    Put32(image, 0x40, 0x00004550);
    Put16(image, 0x44, 0x14C);
    Put16(image, 0x46, 1);      // one section
    Put16(image, 0x54, 0xE0);   // optional header size
    const size_t optional = 0x58;
    Put16(image, optional, 0x10B);
    Put32(image, optional + 92, 16);
    Put32(image, optional + 96, 0x1000);  // export directory
    Put32(image, optional + 100, 0x60);
    const size_t section = optional + 0xE0;
    std::memcpy(&image[section], ".edata", 6);
    Put32(image, section + 8, 0x100);    // virtual size
    Put32(image, section + 12, 0x1000);  // virtual address
    Put32(image, section + 16, 0x200);   // raw size
    Put32(image, section + 20, 0x200);   // raw offset
    Put32(image, 0x200 + 24, 2);         // number of names
    Put32(image, 0x200 + 32, 0x1028);    // name table
    Put32(image, 0x228, 0x1030);
    Put32(image, 0x22C, 0x1040);
    std::memcpy(&image[0x230], "REGISTER@0", 10);
    std::memcpy(&image[0x240], "VERSION@0", 9);
    return image;
}

TEST(PeExports, NamesComeFromTheExportDirectory) {
    ExportNames result = ReadExportNames(LibraryImage());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.names, (std::vector<std::string>{"REGISTER@0", "VERSION@0"}));
}

TEST(PeExports, AnImageWithoutExportsHasNoNames) {
    std::string image = LibraryImage();
    Put32(image, 0x58 + 96, 0);
    ExportNames result = ReadExportNames(image);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.names.empty());
}

TEST(PeExports, MalformedImagesFailWithoutReadingOutsideTheBytes) {
    EXPECT_FALSE(ReadExportNames("").ok);
    EXPECT_FALSE(ReadExportNames("MZ").ok);
    EXPECT_FALSE(ReadExportNames(std::string(100, 'x')).ok);
    const std::string image = LibraryImage();
    // A truncation fails until the last name's end is inside the bytes.
    for (size_t length = 0; length < image.size(); ++length) {
        ExportNames result = ReadExportNames(std::string_view(image).substr(0, length));
        if (length < 0x24A) {
            EXPECT_FALSE(result.ok) << "length " << length;
        } else {
            EXPECT_EQ(result.names.size(), 2u) << "length " << length;
        }
    }
    std::string huge = image;
    Put32(huge, 0x200 + 24, 0x7FFFFFFF);  // more names than the file can hold
    EXPECT_FALSE(ReadExportNames(huge).ok);
    std::string farHeader = image;
    Put32(farHeader, 0x3C, 0xFFFFFFF0);
    EXPECT_FALSE(ReadExportNames(farHeader).ok);
    std::string farName = image;
    Put32(farName, 0x22C, 0x5000);
    EXPECT_FALSE(ReadExportNames(farName).ok);
    std::string sections = image;
    Put16(sections, 0x46, 0xFFFF);
    EXPECT_FALSE(ReadExportNames(sections).ok);
    std::string unterminated = image;
    std::memset(&unterminated[0x240], 'A', 0x400 - 0x240);
    EXPECT_FALSE(ReadExportNames(unterminated).ok);
}

TEST(PeExports, DamagedImagesNeverReadOutsideTheirBytes) {
    // Random damage to every field; the sanitizers of the native build watch the reads.
    const std::string image = LibraryImage();
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = image;
        int changes = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < changes; ++i) {
            size_t at = random() % 0x260;  // headers, section table, directory, names
            damaged[at] = static_cast<char>(random() % 4 == 0 ? 0xFF : random() % 256);
        }
        damaged.resize(random() % 3 == 0 ? random() % damaged.size() : damaged.size());
        ExportNames result = ReadExportNames(damaged);
        if (result.ok) {
            for (const std::string& name : result.names) EXPECT_LE(name.size(), damaged.size());
        } else {
            EXPECT_FALSE(result.error.empty());
        }
    }
}

}  // namespace
}  // namespace tavrin
