// Benchmark: creates and destroys QButton windows by class name inside a host window and
// reads each object's full property list through the exports, as the workbench does.
// Reports the time per object and the memory and handles held per created object.
// Usage: velpack_bench [count] [--windows-only]   (default 10000; --windows-only skips the
// property reading, to tell the window system's share from the protocol's)
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "velpack_binding.h"

namespace {

struct Usage {
    SIZE_T privateBytes;
    long long heapBytes;
    DWORD gdiObjects;
    DWORD userObjects;
};

// Bytes in use in every heap of the process (the C runtime's heap among them).
long long HeapBytesInUse() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    long long total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

Usage Measure() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return {counters.PrivateUsage, HeapBytesInUse(),
            GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

void FreeInfo(QPropInfo* info) {
    if (!info) return;
    std::free(const_cast<char*>(info->TypeName));
    std::free(const_cast<char*>(info->Items));
    std::free(const_cast<char*>(info->Value));
    std::free(const_cast<char*>(info->Editor));
    std::free(info);
}

// One object's full property list: every name's info record and value text.
int ReadAllProperties(const VelpackBinding& vp, void* object) {
    char* list = vp.getPropList(object);
    if (!list) return 0;
    int names = 0;
    std::string all = list;
    std::free(list);
    std::size_t from = 0;
    while (from <= all.size()) {
        std::size_t end = all.find('\n', from);
        if (end == std::string::npos) end = all.size();
        std::string name = all.substr(from, end - from);
        QPropInfo* info = vp.getPropInfo(object, name.c_str());
        // The library remembers its last record; it stays allocated while it is remembered.
        FreeInfo(info);
        std::free(vp.getPropValue(object, name.c_str()));
        ++names;
        from = end + 1;
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    bool readProperties = !(argc > 2 && std::string(argv[2]) == "--windows-only");
    const VelpackBinding& vp = Velpack();
    if (!vp.Loaded()) {
        std::printf("Velpack.dll not found\n");
        return 1;
    }
    HostWindow host(600, 400);
    // A first object brings every lazily made piece of the library and the system into
    // being before the measurement starts.
    DestroyWindow(CreateByName("QButton", host.handle, 0, 0, 75, 35));
    Usage before = Measure();
    auto start = std::chrono::steady_clock::now();
    long long names = 0;
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        HWND button = CreateByName("QButton", host.handle, i % 500, i % 300, 75, 35);
        void* object = ObjectOf(host.handle);
        if (!button || !object) {
            ++failures;
            continue;
        }
        if (readProperties) names += ReadAllProperties(vp, object);
        DestroyWindow(button);
        if (ObjectOf(host.handle)) ++failures;  // "THIS" must be gone with the window
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Usage after = Measure();
    std::printf("objects: %d, properties read: %lld, failures: %d\n", count, names, failures);
    std::printf("time: %.3f s, %.1f us per object\n", seconds, seconds * 1e6 / count);
    std::printf("private memory: %+lld bytes, %.1f bytes per object\n",
                static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes),
                (static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes)) /
                    count);
    std::printf("heap bytes in use: %+lld, %.1f bytes per object\n",
                after.heapBytes - before.heapBytes,
                static_cast<double>(after.heapBytes - before.heapBytes) / count);
    std::printf("GDI objects: %ld -> %ld, USER objects: %ld -> %ld\n",
                static_cast<long>(before.gdiObjects), static_cast<long>(after.gdiObjects),
                static_cast<long>(before.userObjects), static_cast<long>(after.userObjects));
    return failures == 0 ? 0 : 1;
}
