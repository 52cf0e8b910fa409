#!/usr/bin/env bash
# Everything a fresh Debian 12 machine needs before a build: packages (as
# root) and the dependency sources. Idempotent.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" = 0 ]; then
  bash "$root/scripts/install-packages.sh"
else
  echo "Not root: assuming the packages of scripts/install-packages.sh are installed."
fi
bash "$root/scripts/fetch-deps.sh"
