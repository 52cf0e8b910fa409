// Small picture files made byte by byte for tests: a bitmap, an icon and a
// cursor in the formats a resource compiler reads (no opaque fixtures).
#pragma once

#include <cstdint>
#include <string>

namespace tavrin::test {

inline void PutWord(std::string& bytes, uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

inline void PutLong(std::string& bytes, uint32_t value) {
    PutWord(bytes, static_cast<uint16_t>(value & 0xFFFF));
    PutWord(bytes, static_cast<uint16_t>(value >> 16));
}

// A BITMAPINFOHEADER of an uncompressed picture.
inline void PutInfoHeader(std::string& bytes, int width, int height, int bitCount, uint32_t imageSize) {
    PutLong(bytes, 40);
    PutLong(bytes, static_cast<uint32_t>(width));
    PutLong(bytes, static_cast<uint32_t>(height));
    PutWord(bytes, 1);
    PutWord(bytes, static_cast<uint16_t>(bitCount));
    PutLong(bytes, 0);  // BI_RGB
    PutLong(bytes, imageSize);
    PutLong(bytes, 0);
    PutLong(bytes, 0);
    PutLong(bytes, 0);
    PutLong(bytes, 0);
}

// A 2 x 2 bitmap of 24 bits per pixel (rows padded to four bytes).
inline std::string BitmapFile() {
    std::string pixels;
    for (int row = 0; row < 2; ++row) pixels += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);
    std::string bytes = "BM";
    PutLong(bytes, static_cast<uint32_t>(14 + 40 + pixels.size()));
    PutLong(bytes, 0);
    PutLong(bytes, 14 + 40);
    PutInfoHeader(bytes, 2, 2, 24, static_cast<uint32_t>(pixels.size()));
    return bytes + pixels;
}

// A 16 x 16 icon (cursor: true gives a cursor with its hot spot at 3, 5)
// holding one 32-bit picture and its mask.
inline std::string IconFile(bool cursor = false) {
    std::string image;
    PutInfoHeader(image, 16, 32, 32, 0);  // the height counts picture and mask
    for (int pixel = 0; pixel < 16 * 16; ++pixel) PutLong(image, 0xFF3060A0u);
    image += std::string(16 * 4, '\0');  // the mask: rows of 32 bits
    std::string bytes;
    PutWord(bytes, 0);
    PutWord(bytes, cursor ? 2 : 1);
    PutWord(bytes, 1);
    bytes += static_cast<char>(16);
    bytes += static_cast<char>(16);
    bytes += '\0';
    bytes += '\0';
    PutWord(bytes, cursor ? 3 : 1);   // planes, or the hot spot's x
    PutWord(bytes, cursor ? 5 : 32);  // bits per pixel, or the hot spot's y
    PutLong(bytes, static_cast<uint32_t>(image.size()));
    PutLong(bytes, 6 + 16);
    return bytes + image;
}

}  // namespace tavrin::test
