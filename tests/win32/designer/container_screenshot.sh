#!/usr/bin/env bash
# Runs the container picture test of designer_tests and keeps the picture as
# a PNG. Usage: container_screenshot.sh DESIGNER_TESTS_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
rm -f "$out/container.bmp" "$out/container.png"
TAVRIN_CONTAINER_SHOT=$(winepath -w "$out/container.bmp" 2>/dev/null) \
  "$root/scripts/wine-run.sh" "$exe" --gtest_filter=ContainerShot.* || exit 1
[ -s "$out/container.bmp" ] || { echo "no picture taken" >&2; exit 1; }
convert "$out/container.bmp" "$out/container.png" && rm -f "$out/container.bmp"
echo "screenshot: $out/container.png"
