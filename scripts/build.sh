#!/usr/bin/env bash
# Configures and builds one configuration: native | win32 [targets...].
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
config=${1:?usage: build.sh native|win32 [targets...]}
shift
case "$config" in
  native)
    cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
  win32)
    cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32-toolchain.cmake" >/dev/null ;;
  *) echo "unknown configuration $config" >&2; exit 2 ;;
esac
if [ $# -gt 0 ]; then
  cmake --build "$root/build/$config" --target "$@"
else
  cmake --build "$root/build/$config"
fi
