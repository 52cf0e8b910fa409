#!/usr/bin/env bash
# Sets the machine up, checks the layers of the source tree, runs the
# scripts' tests, builds both configurations and runs every test: native
# unit tests (with ASan/UBSan), then the win32 build's tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
bash "$root/scripts/setup.sh"

# The source tree's layers, and the scripts' own tests.
bash "$root/scripts/check-layers.sh"
for test in "$root"/tests/scripts/*_test.sh; do bash "$test"; done

bash "$root/scripts/build.sh" native
ctest --test-dir "$root/build/native" --output-on-failure

bash "$root/scripts/build.sh" win32
trap '"$root/scripts/wine-env.sh" stop' EXIT
"$root/scripts/wine-env.sh" start "$root/build/win32/tests/tools/wine_resident.exe"
ctest --test-dir "$root/build/win32" --output-on-failure --timeout 600
echo "All tests done in $(( $(date +%s) - start )) s."
