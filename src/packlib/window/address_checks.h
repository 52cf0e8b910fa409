// Checks of addresses that came from outside the library as numbers: a handler is called
// only when it lies in executable code of a loaded module, and a record is read only where
// memory is readable, so that a number that names neither is refused instead of followed.
#pragma once

#include <cstddef>

namespace velpack {

// Whether the address lies in executable code of a program or library image.
bool IsCodeAddress(const void* address);

// Whether all the bytes from the address on can be read.
bool IsReadableMemory(const void* address, std::size_t size);

// Calls the handler when it is set and lies in executable code.
template <class Handler, class... Args>
void CallHandler(Handler handler, Args... args) {
    if (handler && IsCodeAddress(reinterpret_cast<const void*>(handler))) handler(args...);
}

}  // namespace velpack
