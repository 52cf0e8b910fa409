#!/bin/sh
# Scanner benchmark: generates a corpus shaped like large Windows API headers
# into build/, builds the benchmark optimised without sanitizers, runs it, and
# times universal-ctags over the same corpus for comparison.
#   tests/bench/run_scanner_bench.sh [files] [lines-per-file]    (default 2000 1500)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build/scanner-bench"
corpus="$root/build/scanner-corpus"
files=${1:-2000}
lines=${2:-1500}

if [ ! -f "$corpus/.done-$files-$lines" ]; then
  rm -rf "$corpus"
  python3 "$root/tests/bench/generate_corpus.py" "$corpus" "$files" "$lines" > /dev/null
  touch "$corpus/.done-$files-$lines"
fi
total=$(find "$corpus" -name '*.bi' -exec cat {} + | wc -l)
echo "corpus: $files files, $total lines in $corpus"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_SANITIZE=OFF > /dev/null
cmake --build "$build" --target scanner_bench scanner_timing -j2 > /dev/null

# Warm the file cache for both programs.
find "$corpus" -name '*.bi' -exec cat {} + > /dev/null
TAVRIN_SCANNER_CORPUS="$corpus" "$build/tests/bench/scanner_bench" --benchmark_counters_tabular=true
echo
echo "plain timing, native:"
"$build/tests/bench/scanner_timing" "$corpus" 3

# The same timing built for Windows and run under Wine, when the cross
# toolchain is configured (set TAVRIN_BENCH_WINE=0 to skip).
if [ "${TAVRIN_BENCH_WINE:-1}" != 0 ] && command -v i686-w64-mingw32-g++-posix > /dev/null; then
  wbuild="$root/build/scanner-bench-win32"
  cmake -S "$root" -B "$wbuild" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32-toolchain.cmake" > /dev/null
  cmake --build "$wbuild" --target scanner_timing -j2 > /dev/null
  echo
  echo "plain timing, win32 under Wine:"
  "$root/scripts/wine-run.sh" "$wbuild/tests/bench/scanner_timing.exe" \
    "Z:$(echo "$corpus" | tr / '\\\\')" 3
fi

echo
echo "universal-ctags over the same corpus:"
start=$(date +%s.%N)
ctags -R --languages=Basic -f /dev/null "$corpus"
end=$(date +%s.%N)
echo "$start $end $total" | awk '{ t = $2 - $1; printf "ctags: %.3f s, %.2f million lines/s\n", t, $3 / t / 1e6 }'
