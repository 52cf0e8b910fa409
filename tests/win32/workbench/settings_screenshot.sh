#!/usr/bin/env bash
# Runs the settings dialog's picture test of main_window_test and keeps a PNG
# of each tab. Usage: settings_screenshot.sh MAIN_WINDOW_TEST_EXE OUTPUT_FOLDER
set -uo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
rm -f "$out"/settings_*.bmp "$out"/settings_*.png
TAVRIN_SETTINGS_SHOT=$(winepath -w "$out" 2>/dev/null) \
  "$root/scripts/wine-run.sh" "$exe" --gtest_filter=SettingsDialogTest.PicturesOfEachTab || exit 1
for tab in 0 1 2 3 4; do
  [ -s "$out/settings_$tab.bmp" ] || { echo "no picture of tab $tab" >&2; exit 1; }
  convert "$out/settings_$tab.bmp" "$out/settings_$tab.png" && rm -f "$out/settings_$tab.bmp"
done
echo "screenshots: $out/settings_[0-4].png"
