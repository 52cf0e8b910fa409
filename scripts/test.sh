#!/usr/bin/env bash
# Sets the machine up, builds both configurations and runs every test:
# native unit tests (with ASan/UBSan), then the win32 build's tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
bash "$root/scripts/setup.sh"

bash "$root/scripts/build.sh" native
ctest --test-dir "$root/build/native" --output-on-failure

bash "$root/scripts/build.sh" win32
trap '"$root/scripts/wine-env.sh" stop' EXIT
"$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe"
ctest --test-dir "$root/build/win32" --output-on-failure --timeout 600
echo "All tests done in $(( $(date +%s) - start )) s."
