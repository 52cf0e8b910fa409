#!/usr/bin/env bash
# Runs the projects end-to-end test and keeps its pictures of the project
# window and the units window as PNG files.
# Usage: projects_e2e.sh TEST_EXE TAVRIN_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 tavrin=$2 out=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
rm -f "$out"/projects_window.* "$out"/units_window.*
"$root/scripts/wine-run.sh" "$exe" "$tavrin" "$(winepath -w "$out" 2>/dev/null)"
code=$?
for name in projects_window units_window; do
  if [ -s "$out/$name.bmp" ]; then
    convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp" && echo "picture: $out/$name.png"
  fi
done
exit $code
