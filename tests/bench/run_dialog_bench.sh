#!/usr/bin/env bash
# Dialogs with live windows under Wine: a generated dialog text of 1,000
# components opened into a live dialog (target under 1 s), and a move drag of
# one component among them (target under 16 ms per mouse move).
#   tests/bench/run_dialog_bench.sh [COMPONENTS] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bash "$root/scripts/build.sh" win32 dialog_live_bench wine_resident > /dev/null
bash "$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe" > /dev/null
"$root/scripts/wine-run.sh" "$root/build/win32/tests/bench/dialog_live_bench.exe" "${1:-1000}" "${2:-5}"
