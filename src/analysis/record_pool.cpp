#include "analysis/record_pool.h"

#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TAVRIN_PLAIN_RECORD_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVRIN_PLAIN_RECORD_HEAP 1
#endif
#endif

namespace tavrin::record_pool {

#ifdef TAVRIN_PLAIN_RECORD_HEAP

void* Allocate(std::size_t bytes) { return ::operator new(bytes); }
void Deallocate(void* block, std::size_t) noexcept { ::operator delete(block); }

#else

namespace {

constexpr std::size_t kGranule = 16;
constexpr std::size_t kLargestPooled = 512;
constexpr std::size_t kClasses = kLargestPooled / kGranule;
constexpr std::size_t kChunkBytes = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// Chunks stay reachable for the whole run (they are never freed: blocks may be
// returned by records that outlive any owner of the lists).
void KeepChunk(void* chunk) {
    static std::mutex guard;
    static std::vector<void*>* chunks = new std::vector<void*>;
    std::lock_guard<std::mutex> lock(guard);
    chunks->push_back(chunk);
}

struct ThreadPool {
    FreeBlock* lists[kClasses] = {};
    char* chunkNext = nullptr;
    char* chunkEnd = nullptr;

    void* Carve(std::size_t size) {
        if (static_cast<std::size_t>(chunkEnd - chunkNext) < size) {
            chunkNext = static_cast<char*>(::operator new(kChunkBytes));
            chunkEnd = chunkNext + kChunkBytes;
            KeepChunk(chunkNext);
        }
        void* block = chunkNext;
        chunkNext += size;
        return block;
    }
};

ThreadPool& Pool() {
    thread_local ThreadPool pool;
    return pool;
}

}  // namespace

void* Allocate(std::size_t bytes) {
    if (bytes == 0 || bytes > kLargestPooled) return ::operator new(bytes);
    std::size_t index = (bytes - 1) / kGranule;
    ThreadPool& pool = Pool();
    if (FreeBlock* block = pool.lists[index]) {
        pool.lists[index] = block->next;
        // The blocks of a large scan that was freed lie scattered; fetching the
        // next one now hides most of the wait when it is taken.
        __builtin_prefetch(block->next, 1);
        return block;
    }
    return pool.Carve((index + 1) * kGranule);
}

void Deallocate(void* block, std::size_t bytes) noexcept {
    if (!block) return;
    if (bytes == 0 || bytes > kLargestPooled) {
        ::operator delete(block);
        return;
    }
    std::size_t index = (bytes - 1) / kGranule;
    ThreadPool& pool = Pool();
    auto* free = static_cast<FreeBlock*>(block);
    free->next = pool.lists[index];
    pool.lists[index] = free;
}

#endif

}  // namespace tavrin::record_pool
