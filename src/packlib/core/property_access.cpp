#include "packlib/core/property_access.h"

namespace velpack {

namespace {
std::uint32_t AddressNumber(const void* address) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
}
}  // namespace

std::string SignedAddressText(const void* address) {
    return SignedText(static_cast<std::int32_t>(AddressNumber(address)));
}

std::string UnsignedAddressText(const void* address) {
    return UnsignedText(AddressNumber(address));
}

}  // namespace velpack
