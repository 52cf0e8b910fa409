#!/usr/bin/env bash
# Dialogs with live windows under Wine: a generated dialog text of 1,000
# components opened into a live dialog (target under 1 s), and a move drag of
# one component among them (target under 16 ms per mouse move). Also prints
# the processor time the Wine server spent meanwhile: under Wine every window
# operation is a round trip to it, and on a busy machine the clock says more
# about the other processes than about the workbench.
#   tests/bench/run_dialog_bench.sh [COMPONENTS] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bash "$root/scripts/build.sh" win32 dialog_live_bench wine_resident > /dev/null
bash "$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe" > /dev/null
prefix="$root/.cache/wine/prefix"
server=""
for pid in $(pgrep wineserver || true); do
  if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then server=$pid; fi
done
ticks() { [ -n "$server" ] && awk '{ print $14 + $15 }' "/proc/$server/stat" || echo 0; }
before=$(ticks)
"$root/scripts/wine-run.sh" "$root/build/win32/tests/bench/dialog_live_bench.exe" "${1:-1000}" "${2:-5}"
after=$(ticks)
[ -n "$server" ] && echo "Wine server processor time over the whole run: $(( (after - before) * 1000 / $(getconf CLK_TCK) )) ms"
source "$root/tests/bench/wakeup_time.sh"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); a pipe round trip between two processes: $(wakeup)"
