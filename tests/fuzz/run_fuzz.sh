#!/bin/sh
# Builds the scanner / database-reader fuzz target with libFuzzer and the
# address and undefined-behaviour sanitizers, then runs it.
#   tests/fuzz/run_fuzz.sh [seconds]    (default 600)
# The corpus grows in build/fuzz/corpus; crashes land in build/fuzz/.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz"
seconds=${1:-600}
mkdir -p "$out/corpus"
sources="$root/tests/fuzz/scanner_fuzz.cpp $root/src/analysis/scanner.cpp \
  $root/src/analysis/scanner_records.cpp $root/src/analysis/source_line.cpp \
  $root/src/analysis/explorer_tree.cpp $root/src/analysis/explorer_tree_model.cpp \
  $root/src/analysis/include_database.cpp $root/src/analysis/record_pool.cpp \
  $root/src/common/file_search.cpp \
  $root/src/common/string_list.cpp $root/src/common/text.cpp \
  $root/src/common/message_pump.cpp $root/src/common/prompts.cpp"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src" $sources -o "$out/scanner_fuzz"
cp "$root"/tests/fuzz/starting_inputs/* "$out/corpus/"
cd "$out"
mkdir -p crashes
exec ./scanner_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix=crashes/ \
  -dict="$root/tests/fuzz/scanner.dict" corpus
