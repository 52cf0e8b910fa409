#!/usr/bin/env bash
# Fails when a source file includes from a higher layer than its own (which is
# also what would close a cycle between folders). The order of the layers is
# written once, in scripts/layers.txt.
#   check-layers.sh [source-root]   (default: the project's src folder)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-$root/src}
declare -A rank
n=0
while read -r folder; do
  case "$folder" in ''|'#'*) continue ;; esac
  rank[$folder]=$n
  n=$((n + 1))
done < "$root/scripts/layers.txt"

allowed() { # from-folder to-folder
  local from=$1 to=$2
  [ "$from" = "$to" ] && return 0
  [ "$to" = packapi ] && return 0
  [ "$from" = packlib ] && return 1
  [ "$to" = packlib ] && return 1
  [ -n "${rank[$from]+x}" ] && [ -n "${rank[$to]+x}" ] && [ "${rank[$to]}" -le "${rank[$from]}" ]
}

failures=0
while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  from=${rel%%/*}
  if [ "$from" != packlib ] && [ -z "${rank[$from]+x}" ]; then
    echo "layers: $rel is in folder '$from', which scripts/layers.txt does not list"
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r line; do
    target=${line#*\"}
    target=${target%%\"*}
    to=${target%%/*}
    [ "$to" = "$target" ] && continue           # same-folder include without a folder
    [ -d "$src/$to" ] || continue               # not one of our folders
    if ! allowed "$from" "$to"; then
      echo "layers: $rel includes \"$target\": '$to' is not below '$from'"
      failures=$((failures + 1))
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failures" -gt 0 ]; then
  echo "layers: $failures include(s) point to a higher layer or outside the layers"
  exit 1
fi
echo "layers: every include points down ($(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | wc -l) files checked)"
