#!/usr/bin/env bash
# Pictures of the workbench at 150 % and 200 % display scale (144 and 192
# dots per inch): the whole screen with the main window, the code window with
# the dialog's page and the dialog under design with its grab handles; the
# main window's strip cut out of it; and the completion box on a code page.
# The LogPixels value Wine reads is set for each run and put back afterwards.
# Usage: high_dpi_screenshots.sh HIGH_DPI_E2E_EXE TAVRIN_EXE APP_FOLDER CODE_PAGES_TEST_EXE OUTPUT_FOLDER
set -uo pipefail
e2e=$1 tavrin=$2 app=$3 pages=$4 out=$5
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
work=$(mktemp -d)
key='HKCU\Control Panel\Desktop'
old=$(wine reg query "$key" /v LogPixels 2>/dev/null | awk '/LogPixels/ {print $3}' | tr -d '\r')
restore() {
  if [ -n "$old" ]; then wine reg add "$key" /v LogPixels /t REG_DWORD /d $((old)) /f >/dev/null 2>&1
  else wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1; fi
  rm -rf "$work"
}
trap restore EXIT
status=0
for dpi in 144 192; do
  E2E_SHOT_DIR="$work" "$root/scripts/wine-run.sh" "$e2e" "$tavrin" "$app" --gtest_filter="*Dpi$dpi" || status=1
  if [ -s "$work/high_dpi_$dpi.bmp" ]; then
    convert "$work/high_dpi_$dpi.bmp" "$out/high_dpi_$dpi.png"
    # The main window is the strip along the top: 119 pixels at 100 %.
    convert "$out/high_dpi_$dpi.png" -crop "x$(( (119 * dpi + 48) / 96 ))+0+0" +repage "$out/high_dpi_main_$dpi.png"
  else
    echo "no picture at $dpi dots per inch" >&2; status=1
  fi
  wine reg add "$key" /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  if bash "$root/tests/e2e/completion_screenshot.sh" "$pages" "$work" >/dev/null; then
    mv "$work/completion.png" "$out/high_dpi_completion_$dpi.png"
  else
    echo "no completion picture at $dpi dots per inch" >&2; status=1
  fi
  if [ -n "$old" ]; then wine reg add "$key" /v LogPixels /t REG_DWORD /d $((old)) /f >/dev/null 2>&1
  else wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1; fi
done
[ $status -eq 0 ] && echo "screenshots: $out/high_dpi_*.png"
exit $status
