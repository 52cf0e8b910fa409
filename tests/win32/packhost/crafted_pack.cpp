// A pack that exports only "REGISTER@0", "GETPROPINFO@8" and "GETPROPVALUE@8" and
// answers each property name with a record or text made to test the host's checks:
// odd kinds, pointers to no memory, texts without an end and texts that cross from
// one memory region into the next.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "packapi/pack_protocol.h"

namespace {

const std::uintptr_t kNoMemory = 0x30;  // the lowest pages of a process are never mapped

char* Wild() {
    return reinterpret_cast<char*>(kNoMemory);
}

// One committed page full of 'x' with no zero, followed by memory that is not committed.
char* EndlessText() {
    static char* page = nullptr;
    if (!page) {
        page = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        std::memset(page, 'x', 4096);
    }
    return page;
}

// A text of 100 'y' whose first half ends a writable region and whose second half,
// with the zero, starts a read-only one.
char* TextAcrossRegions() {
    static char* text = nullptr;
    if (!text) {
        auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        text = pages + 4096 - 50;
        std::memset(text, 'y', 100);
        text[100] = 0;
        DWORD previous = 0;
        VirtualProtect(pages + 4096, 4096, PAGE_READONLY, &previous);
    }
    return text;
}

QPropInfo* Record(std::int32_t kind, char* items = nullptr, char* value = nullptr) {
    static QPropInfo record;
    record = QPropInfo{kind, nullptr, items, value, nullptr};
    return &record;
}

}  // namespace

extern "C" {

char* __stdcall REGISTER() {
    static char text[] = "Tests:QCrafted";
    return text;
}

QPropInfo* __stdcall GETPROPINFO(void*, const char* name) {
    static char pickList[] = "a,b";
    std::string asked = name ? name : "";
    if (asked == "unknownkind") return Record(99);
    if (asked == "negativekind") return Record(-1);
    if (asked == "highbytes") return Record(0x500 | pkEnumeration, pickList);
    if (asked == "nulls") return Record(pkInteger);
    if (asked == "wildrecord") return reinterpret_cast<QPropInfo*>(kNoMemory);
    if (asked == "wilditems") return Record(pkSet, Wild());
    if (asked == "endlessvalue") return Record(pkString, nullptr, EndlessText());
    if (asked == "acrossregions") return Record(pkString, nullptr, TextAcrossRegions());
    return nullptr;
}

char* __stdcall GETPROPVALUE(void*, const char* name) {
    static char plain[] = "plain value";
    std::string asked = name ? name : "";
    if (asked == "plain") return plain;
    if (asked == "wild") return Wild();
    if (asked == "endless") return EndlessText();
    return nullptr;
}

}
