#!/usr/bin/env bash
# The menus sample run and clicked from outside as a user clicks it (real mouse clicks on
# the virtual display): its menu bar opens a menu (screenshot), a menu entry and a pop-up
# menu entry reach the program, and closing ends it with exit code 0.
# Usage: menus_sample.sh SAMPLE_EXE CHECK_EXE OUTPUT_FOLDER
set -uo pipefail
sample=$1 check=$2 out=$3
root=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$out"
source "$root/scripts/wine-env.sh" vars
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
run_check() { "$root/scripts/wine-run.sh" "$check" "$@" | tr -d '\r'; }
# Runs a check that prints "at X Y" and moves the mouse there.
move_to() {
  local answer
  answer=$(run_check "$@")
  echo "$answer" | grep -v '^at '
  local at
  at=$(echo "$answer" | sed -n 's/^at //p')
  [ -n "$at" ] || return 1
  xdotool mousemove $at
}

"$root/scripts/wine-run.sh" "$sample" &
pid=$!

# The File menu opened by a click on the menu bar.
if move_to menubar; then
  xdotool click 1
  if move_to openmenu; then
    sleep 0.3
    import -display "$DISPLAY" -window root "$out/menus_sample.png"
    convert "$out/menus_sample.png" -crop 560x420+0+0 +repage "$out/menus_sample_menu.png"
    xdotool click 1  # "Show picture", checked at the start
    run_check status "Picture hidden" || fail "the File menu's first entry"
  else
    fail "no menu opened from the menu bar"
  fi
else
  fail "the sample's form"
fi

# The pop-up menu, opened with the right mouse button inside the form.
if move_to client 300 150; then
  xdotool click 3
  if move_to openmenu; then
    sleep 0.3
    import -display "$DISPLAY" -window root "$out/menus_sample_popup.png"
    convert "$out/menus_sample_popup.png" -crop 560x420+0+0 +repage "$out/menus_sample_popup.png"
    xdotool click 1  # "Red background"
    run_check status "Background: red" || fail "the pop-up menu's first entry"
    sleep 0.2
    import -display "$DISPLAY" -window root -crop 560x420+0+0 "$out/menus_sample_red.png"
  else
    fail "no pop-up menu opened with the right mouse button"
  fi
fi

run_check close || fail "closing the sample"
wait $pid
code=$?
[ "$code" = 0 ] || fail "the sample ended with exit code $code"
echo "screenshots: $out/menus_sample_menu.png, $out/menus_sample_popup.png, $out/menus_sample_red.png"
[ "$failures" = 0 ] && echo "menus sample: every check holds"
exit $(( failures > 0 ))
