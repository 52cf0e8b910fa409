#include "common/pe_exports.h"

#include <algorithm>
#include <cstdint>

namespace tavrin {

namespace {

constexpr size_t kMaxNameLength = 4096;

class ImageReader {
public:
    explicit ImageReader(std::string_view image) : image_(image) {}

    bool Has(uint64_t offset, uint64_t size) const {
        return offset <= image_.size() && size <= image_.size() - offset;
    }
    uint32_t U16(uint64_t offset) const { return Byte(offset) | Byte(offset + 1) << 8; }
    uint32_t U32(uint64_t offset) const { return U16(offset) | U16(offset + 2) << 16; }
    // A NUL-terminated text; false when it runs off the file or is too long.
    bool Text(uint64_t offset, std::string& text) const {
        text.clear();
        for (uint64_t at = offset; at < image_.size() && text.size() <= kMaxNameLength; ++at) {
            char c = image_[static_cast<size_t>(at)];
            if (c == '\0') return true;
            text += c;
        }
        return false;
    }

private:
    uint32_t Byte(uint64_t offset) const { return static_cast<uint8_t>(image_[static_cast<size_t>(offset)]); }
    std::string_view image_;
};

struct Section {
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

ExportNames Fail(const char* why) {
    ExportNames result;
    result.error = why;
    return result;
}

}  // namespace

ExportNames ReadExportNames(std::string_view image) {
    ImageReader file(image);
    if (!file.Has(0, 64) || file.U16(0) != 0x5A4D) return Fail("not a program file (no MZ header)");
    uint64_t pe = file.U32(0x3C);
    if (!file.Has(pe, 24) || file.U32(pe) != 0x00004550) return Fail("no PE header");
    uint32_t sectionCount = file.U16(pe + 6);
    uint32_t optionalSize = file.U16(pe + 20);
    uint64_t optional = pe + 24;
    if (!file.Has(optional, optionalSize) || optionalSize < 2) return Fail("truncated optional header");
    uint32_t magic = file.U16(optional);
    uint64_t directoriesAt;
    if (magic == 0x10B) directoriesAt = 96;        // 32-bit image
    else if (magic == 0x20B) directoriesAt = 112;  // 64-bit image
    else return Fail("unknown optional header");
    if (optionalSize < directoriesAt + 8) return {true, {}, {}};  // no data directories
    uint32_t directoryCount = file.U32(optional + directoriesAt - 4);
    if (directoryCount == 0) return {true, {}, {}};
    uint32_t exportRva = file.U32(optional + directoriesAt);
    uint32_t exportSize = file.U32(optional + directoriesAt + 4);
    if (exportRva == 0 || exportSize == 0) return {true, {}, {}};

    std::vector<Section> sections;
    uint64_t sectionTable = optional + optionalSize;
    if (!file.Has(sectionTable, static_cast<uint64_t>(sectionCount) * 40)) return Fail("truncated section table");
    for (uint32_t i = 0; i < sectionCount; ++i) {
        uint64_t at = sectionTable + i * 40ull;
        sections.push_back({file.U32(at + 12), file.U32(at + 8), file.U32(at + 20), file.U32(at + 16)});
    }
    // File offset of an address inside the image, or -1.
    auto offsetOf = [&](uint64_t rva) -> int64_t {
        for (const Section& s : sections) {
            uint64_t size = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva < s.virtualAddress + static_cast<uint64_t>(size)) {
                uint64_t delta = rva - s.virtualAddress;
                if (delta >= s.rawSize) return -1;  // in the zero-filled part
                return static_cast<int64_t>(s.rawOffset + delta);
            }
        }
        return -1;
    };
    int64_t directory = offsetOf(exportRva);
    if (directory < 0 || !file.Has(static_cast<uint64_t>(directory), 40))
        return Fail("export directory outside the file");
    uint32_t nameCount = file.U32(static_cast<uint64_t>(directory) + 24);
    uint32_t namesRva = file.U32(static_cast<uint64_t>(directory) + 32);
    if (nameCount == 0) return {true, {}, {}};
    int64_t names = offsetOf(namesRva);
    if (names < 0 || !file.Has(static_cast<uint64_t>(names), static_cast<uint64_t>(nameCount) * 4))
        return Fail("export name table outside the file");
    ExportNames result;
    result.ok = true;
    result.names.reserve(nameCount);
    for (uint32_t i = 0; i < nameCount; ++i) {
        int64_t name = offsetOf(file.U32(static_cast<uint64_t>(names) + i * 4ull));
        std::string text;
        if (name < 0 || !file.Text(static_cast<uint64_t>(name), text))
            return Fail("export name outside the file");
        result.names.push_back(std::move(text));
    }
    return result;
}

}  // namespace tavrin
