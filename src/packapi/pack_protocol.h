// The contract between a component pack and its host: the property kinds, the
// property info record and the pack's entry points with their decorated names.
// Velpack and the workbench's pack host both include this header; it holds
// declarations only, so neither side depends on the other's code.
//
// Conventions of the contract:
//  - every text and record a pack returns is a block of the C heap that the pack
//    never frees; the host copies or reads it and never frees it either;
//  - entry points use the stdcall convention on the pack's 32-bit target;
//  - texts are 8-bit, zero-terminated, in the system code page.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define PACK_STDCALL __stdcall
#else
#define PACK_STDCALL
#endif

// Property kinds (a host compares the low byte).
enum QPropKind : std::int32_t {
    pkNone = 0,
    pkInteger = 3,
    pkString = 8,
    pkBoolean = 10,
    pkSet = 11,
    pkEnumeration = 12,
    pkObject = 13,
    pkEvent = 14,
};

// The property info record: five 32-bit fields on the pack's target.
struct QPropInfo {
    std::int32_t Kind;
    char* TypeName;
    char* Items;
    char* Value;
    char* Editor;
};

namespace packapi {

// Entry points every pack exports, by decorated name (name "@" argument bytes).
inline constexpr const char* kGetPropList = "GETPROPLIST@4";
inline constexpr const char* kGetPropInfo = "GETPROPINFO@8";
inline constexpr const char* kGetPropValue = "GETPROPVALUE@8";
inline constexpr const char* kSetPropValue = "SETPROPVALUE@12";
inline constexpr const char* kRegister = "REGISTER@0";
inline constexpr const char* kVersion = "VERSION@0";

// The two group functions of a pack, by their mangled name-space names.
inline constexpr const char* kStandardsRegister = "_ZN9STANDARDS18REGISTERCOMPONENTSEv@0";
inline constexpr const char* kMenusRegister = "_ZN5MENUS18REGISTERCOMPONENTSEv@0";

using GetPropListFn = char*(PACK_STDCALL*)(void* object);
using GetPropInfoFn = QPropInfo*(PACK_STDCALL*)(void* object, const char* name);
using GetPropValueFn = char*(PACK_STDCALL*)(void* object, const char* name);
using SetPropValueFn = std::int32_t(PACK_STDCALL*)(void* object, const char* name, const char* value);
using RegisterFn = char*(PACK_STDCALL*)();
using VersionFn = char*(PACK_STDCALL*)();

}  // namespace packapi
