#include "packhost/readable_memory.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace tavrin {

namespace {

constexpr DWORD kReadableProtections = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                       PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                       PAGE_EXECUTE_WRITECOPY;

// The end of the readable region that holds address, or 0 when the address
// is not readable.
std::uintptr_t ReadableRegionEnd(std::uintptr_t address) {
    MEMORY_BASIC_INFORMATION region{};
    if (!VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region)) return 0;
    if (region.State != MEM_COMMIT) return 0;
    if (!(region.Protect & kReadableProtections) || (region.Protect & PAGE_GUARD)) return 0;
    return reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
}

}  // namespace

bool IsReadableBlock(const void* start, std::size_t size) {
    auto address = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t end = address + size;
    if (!start || end < address) return false;
    while (address < end) {
        const std::uintptr_t regionEnd = ReadableRegionEnd(address);
        if (regionEnd <= address) return false;
        address = regionEnd;
    }
    return true;
}

bool ReadZeroTerminated(const char* text, std::optional<std::string>& copy) {
    copy.reset();
    if (!text) return true;
    std::string result;
    auto address = reinterpret_cast<std::uintptr_t>(text);
    for (;;) {
        const std::uintptr_t regionEnd = ReadableRegionEnd(address);
        if (regionEnd <= address) return false;
        const char* from = reinterpret_cast<const char*>(address);
        const std::size_t length = regionEnd - address;
        if (const void* zero = std::memchr(from, 0, length)) {
            result.append(from, static_cast<const char*>(zero));
            copy = std::move(result);
            return true;
        }
        result.append(from, length);
        address = regionEnd;
    }
}

}  // namespace tavrin
