#!/usr/bin/env bash
# A picture of the completion box in the running workbench: the in-process
# completion test opens the box on a page that includes a generated
# Windows-like header tree ("dim r as MYRECT" / "r.") and saves the screen;
# the picture is written as PNG.
# Usage: completion_screenshot.sh CODE_PAGES_TEST_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
bmp="$out/completion.bmp"
rm -f "$bmp" "$out/completion.png"
TAVRIN_COMPLETION_SHOT="Z:$(realpath -m "$bmp" | tr / '\\')" \
  "$root/scripts/wine-run.sh" "$exe" \
  --gtest_filter=CompletionInWorkbench.TheBoxOffersTheIncludedTypesFieldsAndEnterCompletesOne || exit 1
[ -s "$bmp" ] || { echo "no screen saved" >&2; exit 1; }
convert "$bmp" "$out/completion.png" && rm -f "$bmp"
echo "screenshot: $out/completion.png"
