#!/usr/bin/env bash
# Runs the inspector picture test of inspector_tests and keeps the pictures of
# the Properties and Events tabs as PNGs.
# Usage: inspector_screenshot.sh INSPECTOR_TESTS_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
rm -f "$out"/inspector_*.bmp "$out"/inspector_*.png
TAVRIN_INSPECTOR_SHOT=$(winepath -w "$out" 2>/dev/null) \
  "$root/scripts/wine-run.sh" "$exe" --gtest_filter=InspectorShot.* || exit 1
for tab in properties events; do
  [ -s "$out/inspector_$tab.bmp" ] || { echo "no picture of $tab taken" >&2; exit 1; }
  convert "$out/inspector_$tab.bmp" "$out/inspector_$tab.png" && rm -f "$out/inspector_$tab.bmp"
  echo "screenshot: $out/inspector_$tab.png"
done
