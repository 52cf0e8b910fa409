#!/usr/bin/env bash
# Sets the machine up, builds the workbench and Velpack, assembles the
# application folder (build/win32/app, with Tavrin2.ini listing Velpack.dll)
# and starts Tavrin2 under Wine.
#  - With a desktop (DISPLAY set) it runs there, in a Wine prefix of its own
#    (.cache/wine-app) set up like the tests' one; its window settings follow
#    whether a window manager runs on that display.
#  - Without one it runs on the project's Xvfb display and saves a screenshot
#    to out/workbench.png; Ctrl+C stops it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win32 appfolder window_tool wine_resident
app="$root/build/win32/app"

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="$root/.cache/wine-app" WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  source "$root/scripts/wine-prefix.sh"
  if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
    echo "Creating the Wine prefix (once)..."
    create_wine_prefix
    touch "$WINEPREFIX/.tavrin-ready"
  fi
  # The settings follow the desktop of this start: with a window manager it
  # frames and places the windows; without one Wine must not wait for it.
  mode=$(window_manager_mode)
  if [ "$(cat "$WINEPREFIX/.tavrin-window-manager" 2>/dev/null)" != "$mode" ]; then
    if apply_wine_settings "$mode"; then
      echo "$mode" > "$WINEPREFIX/.tavrin-window-manager"
    else
      echo "warning: the Wine prefix's window settings could not be written" >&2
    fi
  fi
  cd "$app"
  exec wine "$app/Tavrin2.exe"
fi

"$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe"
source "$root/scripts/wine-env.sh" vars
"$root/scripts/wine-run.sh" "$app/Tavrin2.exe" &
pid=$!
trap 'kill $pid 2>/dev/null; "$root/scripts/wine-env.sh" stop' INT TERM
"$root/scripts/wine-run.sh" "$root/build/win32/tests/tools/window_tool.exe" wait TCode 30000 || true
sleep 1
mkdir -p "$root/out"
import -display "$DISPLAY" -window root "$root/out/workbench.png"
echo "No DISPLAY: Tavrin2 runs on the virtual display $DISPLAY."
echo "Screenshot: $root/out/workbench.png (export DISPLAY=$DISPLAY to reach it). Ctrl+C stops it."
wait $pid
