#!/usr/bin/env bash
# Runs the picture tests of resources_window_tests and keeps the resource
# editor with items and the New Class wizard as PNGs.
# Usage: resources_screenshot.sh RESOURCES_WINDOW_TESTS_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
rm -f "$out"/resources.{bmp,png} "$out"/wizard.{bmp,png}
TAVRIN_RESOURCES_SHOT=$(winepath -w "$out/resources.bmp" 2>/dev/null) \
TAVRIN_WIZARD_SHOT=$(winepath -w "$out/wizard.bmp" 2>/dev/null) \
  "$root/scripts/wine-run.sh" "$exe" --gtest_filter=*Screenshot* || exit 1
for name in resources wizard; do
  [ -s "$out/$name.bmp" ] || { echo "no picture of the $name taken" >&2; exit 1; }
  convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp"
  echo "screenshot: $out/$name.png"
done
