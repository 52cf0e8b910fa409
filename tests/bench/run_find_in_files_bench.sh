#!/usr/bin/env bash
# Find in files benchmark: a word searched for over a generated include tree
# (1,688 header-like files, about 530,000 lines, 29 MB, tests/bench/
# generate_corpus.py) by the workbench under Wine, through its find-in-files
# window with the report lines going into the result window, and by
# `grep -rnF` natively over the same tree; both timed in one run, alternating,
# with a warm file cache, and the ratio printed.
#   tests/bench/run_find_in_files_bench.sh [WORD] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
word=${1:-PrinterPalette}
runs=${2:-7}
files=1688 lines=311 bytes=54

bash "$root/scripts/build.sh" win32 find_in_files_bench wine_resident > /dev/null
tree="$root/build/find-bench/inc"
done_mark="$root/build/find-bench/.done-$files-$lines-$bytes"
if [ ! -f "$done_mark" ]; then
  rm -rf "$tree"
  python3 "$root/tests/bench/generate_corpus.py" "$tree" "$files" "$lines" "$bytes" > /dev/null
  touch "$done_mark"
fi
echo "tree: $(find "$tree" -name '*.bi' | wc -l) files, $(cat "$tree"/*/*/*.bi | wc -l) lines," \
     "$(($(cat "$tree"/*/*/*.bi | wc -c) / 1000000)) MB in $tree"
echo "word: $word ($(grep -rnF "$word" "$tree" | wc -l) matching lines)"

bash "$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe" > /dev/null
cat "$tree"/*/*/*.bi > /dev/null  # a warm file cache for both

best() { sort -n | head -1; }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
grep_times=() wine_lines=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  grep -rnF "$word" "$tree" > /dev/null
  grep_times+=($(( ($(date +%s%N) - start) / 1000000 )))
  wine_lines+=("$("$root/scripts/wine-run.sh" "$root/build/win32/tests/bench/find_in_files_bench.exe" \
                   "Z:$(echo "$tree" | tr / '\\')" "$word" 1 | head -1)")
done
grep_best=$(printf '%s\n' "${grep_times[@]}" | best)
grep_median=$(printf '%s\n' "${grep_times[@]}" | median)
wine_times=$(printf '%s\n' "${wine_lines[@]}" | sed -n 's/.*median \([0-9]*\) ms.*/\1/p')
wine_best=$(echo "$wine_times" | best)
wine_median=$(echo "$wine_times" | median)
echo "grep -rnF (native):                  median $grep_median ms, best $grep_best ms"
echo "workbench find in files (Wine):      median $wine_median ms, best $wine_best ms   (${wine_lines[0]#*: median * ms, best * ms })"
awk -v w="$wine_median" -v g="$grep_median" -v wb="$wine_best" -v gb="$grep_best" \
  'BEGIN { printf "ratio workbench / grep: median %.2f, best %.2f\n", w / (g ? g : 1), wb / (gb ? gb : 1) }'
