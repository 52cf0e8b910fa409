#!/usr/bin/env bash
# The layer check passes on the tree and fails on an include planted in a
# lower layer that points up, on one from Velpack into the workbench, and on
# a folder the layer list does not know.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/scripts/check-layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # name expected-status tree
  local name=$1 expected=$2 tree=$3 output status
  output=$(bash "$check" "$tree" 2>&1)
  status=$?
  if [ "$status" = "$expected" ]; then
    echo "ok   $name"
  else
    echo "FAIL $name (exit $status, expected $expected)"; echo "$output" | sed 's/^/    | /'
    failures=$((failures + 1))
  fi
}

plant() { # name file line
  rm -rf "$work/src" && cp -r "$root/src" "$work/src"
  echo "$3" >> "$work/src/$2"
}

expect "the tree's includes all point down" 0 "$root/src"
plant up common/text.cpp '#include "workbench/main_window.h"'
expect "common including the workbench fails" 1 "$work/src"
plant up ui/splitter.cpp '  #  include "compiler/compiler.h"'
expect "an include written with blanks is still seen" 1 "$work/src"
plant apart packlib/core/object.cpp '#include "common/text.h"'
expect "Velpack including workbench code fails" 1 "$work/src"
plant contract packlib/core/object.cpp '#include "packapi/pack_protocol.h"'
expect "Velpack including the pack contract passes" 0 "$work/src"
rm -rf "$work/src" && cp -r "$root/src" "$work/src" && mkdir -p "$work/src/stray" && echo '#include "common/text.h"' > "$work/src/stray/x.cpp"
expect "a folder missing from the layer list fails" 1 "$work/src"

if [ "$failures" -gt 0 ]; then
  echo "check_layers_test: $failures case(s) failed"
  exit 1
fi
echo "check_layers_test: all cases passed"
