// Export macro of Velpack's C++ interface: classes and functions marked with it are
// exported by Velpack.dll and imported by programs that link it.
#pragma once

#if defined(_WIN32) && defined(VELPACK_BUILDING)
#define VELPACK_API __declspec(dllexport)
#elif defined(_WIN32) && !defined(VELPACK_STATIC)
#define VELPACK_API __declspec(dllimport)
#else
#define VELPACK_API
#endif

#include <cstdint>

// A 32-bit value kept by the lists: object references and window handles on the
// library's 32-bit target (pointer-sized so that the native unit tests can hold
// addresses as well).
using QValue = std::intptr_t;
