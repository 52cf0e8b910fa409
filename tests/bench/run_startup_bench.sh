#!/usr/bin/env bash
# Start-up benchmark under Wine: the workbench started as a user starts it,
# from a copy of the application folder whose settings file names a compiler
# with a generated include tree shaped like the real one (1,688 header-like
# files, about 530,000 lines, 29 MB). startup_timing prints, in milliseconds
# since the process was created, when the code window, objects tree and
# inspector are shown and the workbench is idle, and when DataBase.ini is
# complete, for:
#   1. the first start (no DataBase.ini: the include tree is scanned),
#   2. a start with that full database,
#   3. a start with a database of one entry,
# each in the test session's Wine prefix as it is (X11 driver Managed=N) and
# again with Managed=Y, as in a user's prefix without that setting, where
# Wine hands its windows to a window manager that is not running. Then the
# database build alone (database_timing) and universal-ctags over the tree.
#   tests/bench/run_startup_bench.sh [APP_FOLDER] [RUNS]
# APP_FOLDER defaults to build/win32/app (built here); another assembled
# folder (an older build, say) can be timed against the same tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${2:-3}
files=1688 lines=311 bytes=54

bash "$root/scripts/build.sh" win32 appfolder startup_timing database_timing wine_resident > /dev/null
source_app=$(cd "${1:-$root/build/win32/app}" && pwd)
bench="$root/build/win32/tests/bench"

tree="$root/build/startup-bench/fbc"
if [ ! -f "$tree/.done-$files-$lines-$bytes" ]; then
  rm -rf "$tree"
  python3 "$root/tests/bench/generate_corpus.py" "$tree/inc" "$files" "$lines" "$bytes" > /dev/null
  touch "$tree/fbc.exe" "$tree/.done-$files-$lines-$bytes"
fi
total_lines=$(find "$tree/inc" -name '*.bi' -exec cat {} + | wc -l)
total_bytes=$(find "$tree/inc" -name '*.bi' -exec cat {} + | wc -c)
echo "include tree: $files files, $total_lines lines, $((total_bytes / 1000000)) MB in $tree/inc"
echo "application: $source_app"

winpath() { echo "Z:$1" | tr / '\\'; }

# The application folder as a user has it, with the compiler set in its
# settings file (what the settings dialog writes).
app="$root/build/startup-bench/app"
rm -rf "$app"
cp -r "$source_app" "$app"
rm -f "$app/DataBase.ini"
COMPILER=$(winpath "$tree/fbc.exe") awk '
  BEGIN { compiler = ENVIRON["COMPILER"] }  # -v would read its backslashes as escapes
  { sub(/\r$/, "") }
  /^\[/ { in_general = tolower($0) == "[general]" }
  in_general && tolower($0) ~ /^compiler=/ { next }
  { printf "%s\r\n", $0 }
  in_general && /^\[/ { printf "compiler=%s\r\n", compiler; seen = 1 }
  END { if (!seen) printf "[general]\r\ncompiler=%s\r\n", compiler }
' "$source_app/Tavrin2.ini" > "$app/Tavrin2.ini"

bash "$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe"
source "$root/scripts/wine-env.sh" vars
find "$tree/inc" -name '*.bi' -exec cat {} + > /dev/null  # a warm file cache for both programs

set_managed() { wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f > /dev/null 2>&1; }
trap 'set_managed N' EXIT  # the tests need the prefix as it was

time_starts() {
  echo
  echo "== $1"
  echo "first start (the include tree is scanned):"
  "$root/scripts/wine-run.sh" "$bench/startup_timing.exe" "$(winpath "$app")" "$runs" --fresh-database
  echo "DataBase.ini: $(wc -l < "$app/DataBase.ini") entries, $(($(wc -c < "$app/DataBase.ini") / 1000)) KB"
  echo "start with that database:"
  "$root/scripts/wine-run.sh" "$bench/startup_timing.exe" "$(winpath "$app")" "$runs"
  echo "start with a database of one entry:"
  printf 'RECT=%s\r\n' "$(winpath "$tree/inc/win/part01/header0001.bi")" > "$app/DataBase.ini"
  "$root/scripts/wine-run.sh" "$bench/startup_timing.exe" "$(winpath "$app")" "$runs"
}

time_starts "Wine prefix with X11 Managed=N (the test session's)"
set_managed Y
time_starts "Wine prefix with X11 Managed=Y and no window manager (a user's prefix without the setting)"
set_managed N

echo
echo "the include database build alone, under Wine (no windows):"
"$root/scripts/wine-run.sh" "$bench/database_timing.exe" "$(winpath "$tree")" 3
echo
echo "universal-ctags over the same tree (native):"
TIMEFORMAT='ctags: %R s'
time ctags -R --languages=Basic -f /dev/null "$tree/inc"
