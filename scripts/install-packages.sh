#!/usr/bin/env bash
# Installs every Debian package the build, the workbench and the tests need.
# Idempotent; run as root. Also enables source packages so the dependency
# fetcher can download Scintilla/Lexilla and libjpeg-turbo sources.
set -euo pipefail

if [ "$(id -u)" != 0 ]; then
  echo "install-packages.sh must run as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
need_update=0

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

# Source package entries for bookworm main (for apt-get source).
src_list=/etc/apt/sources.list.d/tavrin2-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  cat > "$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

packages=(g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth cmake ninja-build
          googletest libgtest-dev libbenchmark-dev imagemagick xdotool g++ universal-ctags
          ca-certificates)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" = 1 ]; then
  apt-get update -qq
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "Packages ready."
