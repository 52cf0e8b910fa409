#include "packlib/window/address_checks.h"

#include <windows.h>

#include <cstdint>

namespace velpack {

namespace {

constexpr DWORD kExecutable =
    PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

// The committed region that holds the address, or false.
bool CommittedRegion(const void* address, MEMORY_BASIC_INFORMATION& region) {
    return address && VirtualQuery(address, &region, sizeof region) == sizeof region &&
           region.State == MEM_COMMIT && (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0;
}

}  // namespace

bool IsCodeAddress(const void* address) {
    MEMORY_BASIC_INFORMATION region{};
    return CommittedRegion(address, region) && region.Type == MEM_IMAGE &&
           (region.Protect & kExecutable) != 0;
}

bool IsReadableMemory(const void* address, std::size_t size) {
    auto from = reinterpret_cast<std::uintptr_t>(address);
    if (!address || size == 0 || from + size < from) return false;
    const std::uintptr_t to = from + size;
    // Region by region: a record may straddle two of them.
    while (from < to) {
        MEMORY_BASIC_INFORMATION region{};
        if (!CommittedRegion(reinterpret_cast<const void*>(from), region) ||
            (region.Protect & kReadable) == 0)
            return false;
        std::uintptr_t end = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
        if (end <= from) return false;
        from = end;
    }
    return true;
}

}  // namespace velpack
