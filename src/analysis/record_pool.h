// Allocation of scanner records. A scan makes about one record per source
// line and the next scan frees them all again; size-class free lists make that
// much cheaper than the general heap. Each thread keeps its own lists; memory
// taken from the heap is kept for reuse and never returned. Builds with
// AddressSanitizer use the plain heap, so every record stays checked.
#pragma once

#include <cstddef>
#include <memory>

namespace tavrin {

namespace record_pool {
void* Allocate(std::size_t bytes);
void Deallocate(void* block, std::size_t bytes) noexcept;
}  // namespace record_pool

template <class T>
struct RecordAllocator {
    using value_type = T;
    RecordAllocator() = default;
    template <class U>
    RecordAllocator(const RecordAllocator<U>&) noexcept {}
    T* allocate(std::size_t count) {
        return static_cast<T*>(record_pool::Allocate(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        record_pool::Deallocate(block, count * sizeof(T));
    }
    template <class U>
    bool operator==(const RecordAllocator<U>&) const noexcept { return true; }
    template <class U>
    bool operator!=(const RecordAllocator<U>&) const noexcept { return false; }
};

// A new record sharing its allocation with its reference count.
template <class T>
std::shared_ptr<T> MakeRecord() {
    return std::allocate_shared<T>(RecordAllocator<T>{});
}

}  // namespace tavrin
