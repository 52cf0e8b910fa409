#!/bin/sh
# Completion benchmark: generates a header tree of 1,700 files shaped like the
# compiler's "inc" folder (windows.bi reaching every file) into build/, builds
# the timing optimised without sanitizers, and times a member lookup on a page
# that includes windows.bi, natively and under Wine.
#   tests/bench/run_completion_bench.sh [files] [lines-per-file]    (default 1700 300)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
files=${1:-1700}
lines=${2:-300}
compiler="$root/build/completion-corpus"

if [ ! -f "$compiler/.done-$files-$lines" ]; then
  rm -rf "$compiler"
  python3 "$root/tests/bench/generate_corpus.py" "$compiler/inc" "$files" "$lines" --include-tree > /dev/null
  touch "$compiler/.done-$files-$lines"
fi
echo "header tree: $(find "$compiler/inc" -name '*.bi' | wc -l) files in $compiler/inc"

build="$root/build/scanner-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_SANITIZE=OFF > /dev/null
cmake --build "$build" --target completion_timing -j2 > /dev/null
find "$compiler/inc" -name '*.bi' -exec cat {} + > /dev/null  # warm the file cache
echo "native:"
"$build/tests/bench/completion_timing" "$compiler"

if [ "${TAVRIN_BENCH_WINE:-1}" != 0 ] && command -v i686-w64-mingw32-g++-posix > /dev/null; then
  wbuild="$root/build/scanner-bench-win32"
  cmake -S "$root" -B "$wbuild" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32-toolchain.cmake" > /dev/null
  cmake --build "$wbuild" --target completion_timing -j2 > /dev/null
  echo
  echo "win32 under Wine:"
  "$root/scripts/wine-run.sh" "$wbuild/tests/bench/completion_timing.exe" \
    "Z:$(echo "$compiler" | tr / '\\\\')"
fi
