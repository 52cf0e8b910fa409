#!/usr/bin/env bash
# Runs one Windows program under the project's Wine session (the launcher
# ctest uses for the win32 configuration). Starts the session when needed.
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh" vars
if [ ! -f "$root/.cache/wine/display" ] || [ ! -f "$root/.cache/wine/resident.pid" ] \
   || ! kill -0 "$(cat "$root/.cache/wine/resident.pid")" 2>/dev/null; then
  "$root/scripts/wine-env.sh" start >&2 || exit 1
  export DISPLAY=$(cat "$root/.cache/wine/display")
fi
exec wine "$@"
