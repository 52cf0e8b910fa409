#!/usr/bin/env bash
# Starts the workbench under the Wine session with the pages a crashed run
# left in its recovery folder, and takes a screenshot of the recovery window
# that offers them (and of the whole screen); then closes the window, which
# keeps the copies, and the workbench.
# Usage: recovery_screenshot.sh APP_FOLDER OUTPUT_FOLDER WINDOW_TOOL_EXE
set -uo pipefail
app=$1 out=$2 tool=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() { "$root/scripts/wine-run.sh" "$@"; }
winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

mkdir -p "$work/Tavrin2"
cp -r "$app"/. "$work/Tavrin2/"
rm -f "$work/Tavrin2/DataBase.ini"
cp "$root/src/app/default/Tavrin2.ini" "$work/Tavrin2/"
# What a run that crashed at 10:20 left: a dialog's page of a file and a new page.
session="$work/AppData/Tavrin2/Recovery/20240501-102030-4242"
mkdir -p "$session"
printf '[page]\r\nfile=C:\\projects\\calc\\calculator.bas\r\ncaption=calculator.bas\r\n' > "$session/page-1.ini"
printf '#include once "velpack.bi"\r\n\r\ntype TCalculator extends QForm\r\n   Display as QEdit\r\nend type\r\n' > "$session/page-1.txt"
printf '[page]\r\nfile=\r\ncaption=noname2\r\n' > "$session/page-2.ini"
printf 'sub Main()\r\n   print "hello"\r\nend sub\r\n' > "$session/page-2.txt"
touch -d '2024-05-01 10:20:27' "$session/page-1.txt"
touch -d '2024-05-01 10:20:29' "$session/page-2.txt"

run "$tool" start "$(winpath "$work/Tavrin2/Tavrin2.exe")" "$(winpath "$work/AppData")" || { echo "cannot start the workbench" >&2; exit 1; }
if ! run "$tool" wait TRecovery 20000; then
  echo "the recovery window did not show" >&2
  run "$tool" close TMain 5000
  exit 1
fi
sleep 1
source "$root/scripts/wine-env.sh" vars
import -display "$DISPLAY" -window root "$out/recovery-screen.png"
read -r x y w h <<< "$(run "$tool" rect TRecovery)"
convert "$out/recovery-screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$out/recovery.png"
run "$tool" close TRecovery 10000
run "$tool" close TMain 20000
status=0
[ -s "$out/recovery.png" ] || { echo "no screenshot taken" >&2; status=1; }
[ -f "$session/page-1.txt" ] || { echo "closing the window lost a kept page" >&2; status=1; }
echo "screenshots: $out/recovery.png, $out/recovery-screen.png"
exit $status
