#!/usr/bin/env bash
# Find in files benchmark: a word searched for over a generated include tree
# (1,688 header-like files, about 530,000 lines, 29 MB, tests/bench/
# generate_corpus.py) by the workbench under Wine, through its find-in-files
# window with the report lines going into the result window, and by
# `grep -rnF` natively over the same tree; both timed in one run, alternating,
# with a warm file cache, and the ratio printed. The figure a user sees is
# the first search in a fresh workbench (nothing kept from an earlier search):
# each of PROCESSES fresh processes searches RUNS times, and the median of
# their first searches is set beside grep's median.
#   tests/bench/run_find_in_files_bench.sh [WORD] [RUNS] [PROCESSES]
# Beside them, file_read_probe.exe in a fresh process of its own lists, opens,
# reads and closes the same files with nothing else around (the floor that
# reading the files under Wine sets).
# BENCH_EXE names another build of find_in_files_bench.exe to time.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
word=${1:-PrinterPalette}
runs=${2:-3}
processes=${3:-7}
files=1688 lines=311 bytes=54

bash "$root/scripts/build.sh" win32 find_in_files_bench file_read_probe wine_resident > /dev/null
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

# The machine's speed changes over minutes (shared cores): a plain reference
# loop, timed before and after, says which phase the figures come from.
machine() {
  echo "machine $1: load $(cut -d' ' -f1-3 /proc/loadavg), reference loop" \
       "$(python3 -c 'import time; t = time.time(); sum(range(30_000_000)); print(round(time.time() - t, 2))') s"
}
machine before
best() { sort -n | head -1; }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
time_grep() {
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    grep -rnF "$word" "$tree" > /dev/null
    echo $(( ($(date +%s%N) - start) / 1000000 ))
  done
}
bench_exe=${BENCH_EXE:-$root/build/win32/tests/bench/find_in_files_bench.exe}
probe_exe=$root/build/win32/tests/bench/file_read_probe.exe
wine_tree="Z:$(echo "$tree" | tr / '\\')"
grep_times="" reports="" probes=""
for ((p = 0; p < processes; p++)); do
  # grep beside each workbench process, so that both see the same machine.
  grep_times="$grep_times
$(runs=1 time_grep)"
  reports="$reports
$("$root/scripts/wine-run.sh" "$bench_exe" "$wine_tree" "$word" "$runs")"
  probes="$probes
$("$root/scripts/wine-run.sh" "$probe_exe" "$wine_tree" "$runs")"
done
grep_times=$(echo "$grep_times" | sed '/^$/d')
field() { echo "$reports" | grep "^$1" | sed -n "s/.* $2 \([0-9]*\) ms.*/\1/p"; }
cold=$(field workbench first) warm=$(field workbench median) engine=$(field search median)
grep_median=$(echo "$grep_times" | median)
echo "grep -rnF (native): median $grep_median ms, best $(echo "$grep_times" | best) ms ($processes runs)"
echo "workbench under Wine, first search in a fresh process (window, result lines): median $(echo "$cold" | median) ms," \
     "best $(echo "$cold" | best) ms ($processes processes: $(echo $cold))"
echo "workbench under Wine, later searches (unchanged files kept): median of medians $(echo "$warm" | median) ms"
echo "search engine alone, every file read: median of medians $(echo "$engine" | median) ms"
echo "$reports" | grep "^workbench" | tail -1 | sed 's/.*(\(.*\))/last process: \1/'
probe_field() { echo "$probes" | grep "^probe $1:" | sed -n "s/.* $2 \([0-9]*\) ms.*/\1/p"; }
for way in open-read-close open-close library-kept list relative; do
  first=$(probe_field $way first) all=$(probe_field $way median)
  echo "files alone under Wine, $way: first pass in a fresh process median $(echo "$first" | median) ms," \
       "best $(echo "$first" | best) ms; all passes median of medians $(echo "$all" | median) ms"
done
# Medians, and bests (the figures least disturbed by others on the machine).
awk -v w="$(echo "$cold" | median)" -v f="$(probe_field open-read-close first | median)" -v g="$grep_median" \
    -v wb="$(echo "$cold" | best)" -v fb="$(probe_field open-read-close first | best)" \
    -v gb="$(echo "$grep_times" | best)" \
  'BEGIN { printf "workbench first search / grep: median %.2f, best %.2f; files alone (open-read-close) / grep:" \
                  " median %.2f, best %.2f\n", w / (g ? g : 1), wb / (gb ? gb : 1), f / (g ? g : 1), fb / (gb ? gb : 1) }'
machine after
