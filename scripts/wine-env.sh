#!/usr/bin/env bash
# A headless Wine session for the project: Xvfb display, a persistent
# wineserver, a prepared 32-bit prefix and one resident Win32 program that
# keeps Wine's desktop process alive between test programs.
#
#   scripts/wine-env.sh start [RESIDENT_EXE]   start (idempotent)
#   scripts/wine-env.sh stop                   stop everything
#   source scripts/wine-env.sh vars            only export the variables
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/wine-prefix.sh"
state="$root/.cache/wine"
mkdir -p "$state/tmp"

export WINEPREFIX="$state/prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export TMPDIR="$state/tmp"
if [ -f "$state/display" ]; then export DISPLAY=$(cat "$state/display"); fi

# Daemons must not inherit the lock descriptor (9), or the lock is never released.
daemon() { setsid "$@" </dev/null >/dev/null 2>&1 9>&- & }

display_alive() {
  [ -f "$state/display" ] && [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null
}

start_display() {
  display_alive && return 0
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
      echo $! > "$state/xvfb.pid"
      local i
      for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
      done
      echo ":$n" > "$state/display"
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "wine-env: no free X display" >&2
  return 1
}

prepare_prefix() {
  [ -f "$WINEPREFIX/.tavrin-ready" ] && return 0
  echo "wine-env: creating Wine prefix (once)" >&2
  rm -rf "$WINEPREFIX"
  create_wine_prefix
  apply_wine_settings N test  # Xvfb runs no window manager
  wineserver -w
  touch "$WINEPREFIX/.tavrin-ready"
}

resident_alive() {
  [ -f "$state/resident.pid" ] && kill -0 "$(cat "$state/resident.pid")" 2>/dev/null
}

start_resident() {
  local exe=${1:-$root/build/win32/tests/tools/wine_resident.exe}
  resident_alive && return 0
  if [ ! -f "$exe" ]; then
    echo "wine-env: resident program $exe not built; Wine may stall between tests" >&2
    return 0
  fi
  rm -f "$state/resident.ready"
  setsid wine "$exe" "$(winepath -w "$state/resident.ready" 2>/dev/null 9>&-)" </dev/null >/dev/null 2>&1 9>&- &
  echo $! > "$state/resident.pid"
  local i
  for i in $(seq 1 400); do
    [ -f "$state/resident.ready" ] && return 0
    sleep 0.05
  done
  echo "wine-env: resident program did not report ready" >&2
  return 1
}

start() {
  (
    flock 9
    start_display || exit 1
    prepare_prefix
    if ! pgrep -u "$(id -u)" -f "wineserver -p" >/dev/null; then
      daemon wineserver -p
      sleep 0.2
    fi
    start_resident "${1:-}"
  ) 9>"$state/lock"
}

stop() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null; fi
  rm -f "$state/xvfb.pid" "$state/display" "$state/resident.pid" "$state/resident.ready"
}

case "${1:-vars}" in
  start) shift; start "$@" ;;
  stop) stop ;;
  vars) ;;
  *) echo "usage: wine-env.sh start [RESIDENT_EXE] | stop | vars" >&2; exit 2 ;;
esac
