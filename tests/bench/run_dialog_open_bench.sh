#!/usr/bin/env bash
# A big designed dialog opened in the workbench under Wine, as a user opens
# it: a generated dialog file of 1,000 buttons (and one of 250, to see how the
# time grows) opened with File > Open in a workbench that is idle.
# dialog_open_timing prints, in milliseconds from the OK of the open box, when
# the dialog is visible with all its components, when the objects tree holds
# them all and when the workbench is idle again, with the median and best of
# the runs. The load average is printed before and after: the machine's other
# work changes the figures.
#   tests/bench/run_dialog_open_bench.sh [RUNS] [COMPONENTS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-3}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 250)
bash "$root/scripts/build.sh" win32 appfolder dialog_open_timing wine_resident > /dev/null
bash "$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe" > /dev/null
app="$root/build/win32/app"
# The Wine server's processor time: under Wine every window operation is a
# round trip to it.
prefix="$root/.cache/wine/prefix"
server=""
for pid in $(pgrep wineserver || true); do
  if tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then server=$pid; fi
done
ticks() { if [ -n "$server" ]; then awk '{ print $14 + $15 }' "/proc/$server/stat"; else echo 0; fi; }
source "$root/tests/bench/wakeup_time.sh"
status=0
for components in "${sizes[@]}"; do
  echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); a pipe round trip between two processes: $(wakeup)"
  before=$(ticks)
  "$root/scripts/wine-run.sh" "$root/build/win32/tests/bench/dialog_open_timing.exe" \
    "$app/Tavrin2.exe" "$app" "$components" "$runs" || status=1
  after=$(ticks)
  echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
  [ -z "$server" ] || echo "Wine server processor time over these runs (starts and closes included):" \
    "$(( (after - before) * 1000 / $(getconf CLK_TCK) )) ms"
  echo
done
exit $status
