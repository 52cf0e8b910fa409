#!/usr/bin/env bash
# Installs every Debian package the build, the workbench and the tests need.
# Idempotent; run as root. Also enables source packages so the dependency
# fetcher can download Scintilla/Lexilla and libjpeg-turbo sources.
#
# Package mirrors are not always consistent: an index may come back with the
# wrong size while the mirror syncs ("Mirror sync in progress?"). The script
# retries the update, goes on with the indexes that did load, and when the
# install then fails because the security suite's amd64 libraries have no i386
# twins in a loaded index, retries the install once with the security suite
# pinned below the main suite. The pin lives only for that one command.
#
# For tests: APT_ETC (default /etc/apt) and APT_RETRY_DELAY (seconds, default 5).
set -euo pipefail

if [ "$(id -u)" != 0 ]; then
  echo "install-packages.sh must run as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_etc=${APT_ETC:-/etc/apt}
retry_delay=${APT_RETRY_DELAY:-5}
need_update=0

# A package left half-installed by an interrupted run is finished first.
if [ -n "$(dpkg --audit 2>/dev/null || true)" ]; then
  echo "Finishing packages left half-installed by an earlier run (dpkg --configure -a)."
  dpkg --configure -a || true
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Enabling the i386 architecture for wine32."
  dpkg --add-architecture i386
  need_update=1
fi

# Source package entries for bookworm main (for apt-get source).
src_list="$apt_etc/sources.list.d/tavrin2-src.sources"
if ! grep -rqs '^Types:.*deb-src' "$apt_etc/sources.list.d/" && ! grep -qs '^deb-src' "$apt_etc/sources.list"; then
  echo "Adding a deb-src entry for bookworm main ($src_list)."
  mkdir -p "$apt_etc/sources.list.d"
  cat > "$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth cmake ninja-build
          googletest libgtest-dev libbenchmark-dev imagemagick xdotool x11-utils g++ universal-ctags
          ca-certificates nsis zip unzip)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# apt-get update, three attempts; an index that still fails is left out.
update_indexes() {
  local attempt
  for attempt in 1 2 3; do
    if apt-get update -qq; then
      return 0
    fi
    if [ "$attempt" -lt 3 ]; then
      echo "apt-get update failed (attempt $attempt of 3); retrying in ${retry_delay} s."
      sleep "$retry_delay"
    fi
  done
  echo "Some package indexes could not be loaded; going on with those that did."
}

pin_file="$apt_etc/preferences.d/tavrin2-security-below-main.pref"
remove_pin() { rm -f "$pin_file"; }

install_missing() {
  if apt-get install -y -qq --no-install-recommends "$@"; then
    return 0
  fi
  echo "Install failed; retrying once with the security suite pinned below the main suite."
  mkdir -p "$apt_etc/preferences.d"
  trap remove_pin EXIT
  cat > "$pin_file" <<'PIN'
Package: *
Pin: release l=Debian-Security
Pin-Priority: 90
PIN
  local status=0
  apt-get install -y -qq --no-install-recommends "$@" || status=$?
  remove_pin
  trap - EXIT
  return "$status"
}

if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" = 1 ]; then
  echo "Updating the package indexes."
  update_indexes
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  install_missing "${missing[@]}"
fi
echo "Packages ready."
