#!/usr/bin/env bash
# Drives scripts/install-packages.sh with stand-ins for apt-get, dpkg and
# dpkg-query on PATH that fail the way package mirrors do while they sync,
# and checks the script's steps and that it leaves no pin behind.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
script="$root/scripts/install-packages.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

if [ "$(id -u)" != 0 ]; then
  echo "install_packages_test: skipped (the script runs as root only)"
  exit 0
fi

# Stand-ins. Behaviour comes from files in $work/control:
#   update-failures  how many `apt-get update` calls fail before one succeeds
#   install-mode     ok | needs-pin | always-fails
make_stand_ins() {
  mkdir -p "$work/bin" "$work/control"
  cat > "$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
log="$STUB_DIR/control/log"
case " $* " in
  *" update "*)
    n=$(cat "$STUB_DIR/control/update-failures")
    if [ "$n" -gt 0 ]; then
      echo $((n - 1)) > "$STUB_DIR/control/update-failures"
      echo "update fail" >> "$log"
      echo "E: File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
      exit 100
    fi
    echo "update ok" >> "$log"; exit 0 ;;
  *" install "*)
    pinned=no
    [ -f "$APT_ETC/preferences.d/tavrin2-security-below-main.pref" ] && pinned=yes
    echo "install pinned=$pinned" >> "$log"
    case "$(cat "$STUB_DIR/control/install-mode")" in
      ok) exit 0 ;;
      needs-pin) [ "$pinned" = yes ] && exit 0
                 echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100 ;;
      *) echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100 ;;
    esac ;;
esac
exit 0
STUB
  cat > "$work/bin/dpkg" <<'STUB'
#!/usr/bin/env bash
case "$1" in
  --print-foreign-architectures) echo i386 ;;
  --audit) ;;
esac
exit 0
STUB
  cat > "$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
# Only the first package is missing.
case "$*" in *g++-mingw-w64-i686*) exit 1 ;; esac
printf 'install ok installed'
STUB
  chmod +x "$work/bin/"*
}

run_case() { # name update-failures install-mode expected-exit expected-log...
  local name=$1 updates=$2 mode=$3 expected=$4
  shift 4
  rm -rf "$work/etc" "$work/control/log"
  mkdir -p "$work/etc/sources.list.d"
  echo "$updates" > "$work/control/update-failures"
  echo "$mode" > "$work/control/install-mode"
  local output status
  output=$(PATH="$work/bin:$PATH" STUB_DIR="$work" APT_ETC="$work/etc" APT_RETRY_DELAY=0 \
           bash "$script" 2>&1)
  status=$?
  local log expected_log
  log=$(cat "$work/control/log" 2>/dev/null)
  expected_log=$(printf '%s\n' "$@")
  local ok=1
  [ "$status" = "$expected" ] || { echo "  exit $status, expected $expected"; ok=0; }
  [ "$log" = "$expected_log" ] || { echo "  steps:"; echo "$log" | sed 's/^/    /'; echo "  expected:"; echo "$expected_log" | sed 's/^/    /'; ok=0; }
  if ls "$work/etc/preferences.d/"* >/dev/null 2>&1; then echo "  a pin was left behind"; ok=0; fi
  [ -f "$work/etc/sources.list.d/tavrin2-src.sources" ] || { echo "  no deb-src entry"; ok=0; }
  if [ "$ok" = 1 ]; then
    echo "ok   $name"
  else
    echo "FAIL $name"; echo "$output" | sed 's/^/    | /'
    failures=$((failures + 1))
  fi
}

make_stand_ins
run_case "a clean mirror: one update, one install" 0 ok 0 \
  "update ok" "install pinned=no"
run_case "an update that fails twice is retried" 2 ok 0 \
  "update fail" "update fail" "update ok" "install pinned=no"
run_case "an index that never loads: go on; the install retried with the pin" 5 needs-pin 0 \
  "update fail" "update fail" "update fail" "install pinned=no" "install pinned=yes"
run_case "an install that fails with the pin too fails the script, pin removed" 0 always-fails 100 \
  "update ok" "install pinned=no" "install pinned=yes"

if [ "$failures" -gt 0 ]; then
  echo "install_packages_test: $failures case(s) failed"
  exit 1
fi
echo "install_packages_test: all cases passed"
