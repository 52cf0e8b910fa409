// The two libraries built from these sources: Velpack, and test, an earlier state of the
// same classes (no custom-class window, no "Host" or "dummy" names, no "THIS" handshake,
// the click event listed as "onClick") with a test program that runs when it is loaded.
// The build of test.dll defines VELPACK_TEST_BUILD.
#pragma once

namespace velpack {

#if defined(VELPACK_TEST_BUILD)
inline constexpr bool kTestBuild = true;
#else
inline constexpr bool kTestBuild = false;
#endif

}  // namespace velpack
