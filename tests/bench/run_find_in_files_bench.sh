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
done_mark="$root/build/find-bench/.done-$files-$lines-$bytes"  # beside the tree, not searched
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
time_grep() {
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    grep -rnF "$word" "$tree" > /dev/null
    echo $(( ($(date +%s%N) - start) / 1000000 ))
  done
}
# grep before and after the workbench, so that both see the same machine.
grep_times=$(time_grep)
report=$("$root/scripts/wine-run.sh" "$root/build/win32/tests/bench/find_in_files_bench.exe" \
           "Z:$(echo "$tree" | tr / '\\')" "$word" "$runs")
grep_times="$grep_times
$(time_grep)"
echo "grep -rnF (native):   median $(echo "$grep_times" | median) ms, best $(echo "$grep_times" | best) ms"
echo "$report" | sed 's/^/workbench under Wine, /'
wine_median=$(echo "$report" | head -1 | sed -n 's/.*median \([0-9]*\) ms.*/\1/p')
wine_best=$(echo "$report" | head -1 | sed -n 's/.*best \([0-9]*\) ms.*/\1/p')
awk -v w="$wine_median" -v g="$(echo "$grep_times" | median)" -v wb="$wine_best" -v gb="$(echo "$grep_times" | best)" \
  'BEGIN { printf "workbench / grep: median %.2f, best %.2f\n", w / (g ? g : 1), wb / (gb ? gb : 1) }'
