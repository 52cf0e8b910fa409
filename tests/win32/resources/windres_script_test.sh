#!/usr/bin/env bash
# The generated resource script goes through the resource compiler and its
# dialog is created from the compiled template (see resource_script_tool.cpp).
set -euo pipefail
tool=${1:?usage: windres_script_test.sh resource_script_tool.exe output-folder}
out=${2:?}
root=$(cd "$(dirname "$0")/../../.." && pwd)
folder="$out/resource_script"
rm -rf "$folder" && mkdir -p "$folder"
"$root/scripts/wine-run.sh" "$tool" write "$folder"
i686-w64-mingw32-windres -i "$folder/app.rc" -O res -o "$folder/app.res"
"$root/scripts/wine-run.sh" "$tool" load "$folder/app.res"
