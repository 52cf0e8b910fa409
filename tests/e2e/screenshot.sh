#!/usr/bin/env bash
# Starts the assembled workbench under the Wine session, takes a screenshot of
# the whole screen once its windows are up (and of the main window with the
# palette of the packs in its default settings), and closes it with its close box.
# Usage: screenshot.sh APP_FOLDER OUTPUT_FOLDER WINDOW_TOOL_EXE
set -uo pipefail
app=$1 out=$2 tool=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$app"/. "$work"/
rm -f "$work/Tavrin2.ini"
cp "$app/Tavrin2.ini" "$work/Tavrin2.ini" 2>/dev/null || true
"$root/scripts/wine-run.sh" "$work/Tavrin2.exe" &
pid=$!
if ! "$root/scripts/wine-run.sh" "$tool" wait TCode 20000; then
  echo "the workbench did not show its code window" >&2
  kill $pid 2>/dev/null
  exit 1
fi
sleep 1.5
source "$root/scripts/wine-env.sh" vars
import -display "$DISPLAY" -window root "$out/workbench.png"
# The main window is the strip along the top of the screen (119 pixels high).
convert "$out/workbench.png" -crop "x119+0+0" +repage "$out/palette.png"
"$root/scripts/wine-run.sh" "$tool" close TMain 20000
wait $pid
code=$?
[ -s "$out/workbench.png" ] || { echo "no screenshot taken" >&2; exit 1; }
echo "screenshots: $out/workbench.png, $out/palette.png (workbench exit code $code)"
exit $code
