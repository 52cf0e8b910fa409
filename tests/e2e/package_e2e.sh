#!/usr/bin/env bash
# The setup program and the portable zip, as users get them: makes both with
# scripts/package.sh, installs silently into a fresh folder, starts Tavrin2
# from there with the folder made read-only (settings in the application
# data), again with the folder writable (settings beside the program),
# updates over a used copy (the user's settings and DataBase.ini kept),
# uninstalls (the user's files kept), and starts the unpacked zip.
# Usage: package_e2e.sh APP_FOLDER INSTALLED_COPY_CHECK_EXE
# The installer runs in the tests' Wine prefix; its Start-menu entry and
# uninstall key are removed again by the uninstaller.
set -uo pipefail
app=$(cd "$1" && pwd)
check=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
inst="$work/Programs/Tavrin2"
failures=0
read_only_checked=0
cleanup() {
  chattr -i "$inst" 2>/dev/null
  chmod u+w "$inst" 2>/dev/null
  if [ -f "$inst/Uninstall.exe" ]; then "$root/scripts/wine-run.sh" "$(winpath "$inst/Uninstall.exe")" /S >/dev/null 2>&1; sleep 2; fi
  rm -rf "$work"
}
trap cleanup EXIT

winpath() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }
ok() { echo "ok   $1"; }
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
expect() { if eval "$1"; then ok "$2"; else fail "$2"; fi; }
wine_quiet() { "$root/scripts/wine-run.sh" "$@" >/dev/null 2>&1; }
source "$root/scripts/wine-env.sh" vars
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrin2"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin2'

file_version() { bash "$root/scripts/package.sh" --version "$1"; }

echo "== packages"
bash "$root/scripts/package.sh" "$app" "$work/out" >/dev/null || { echo "FAIL package.sh"; exit 1; }
version=$(file_version "$app/Tavrin2.exe")
setup="$work/out/Tavrin2-$version-setup.exe"
zip="$work/out/Tavrin2-$version-portable.zip"
expect '[ -f "$setup" ] && [ -f "$zip" ]' "setup program and zip named with the version $version"
expect '[ "$(file_version "$setup")" = "$version" ]' "the setup program carries the program's version"

echo "== install"
wine_quiet "$setup" /S "/D=$(winpath "$inst")"
for part in Tavrin2.exe Velpack.dll Tavrin2.ini Uninstall.exe controls/QButton.bmp; do
  expect '[ -f "$inst/$part" ]' "installed $part"
done
expect '[ "$(ls "$inst/controls" | wc -l)" = "$(ls "$app/controls" | wc -l)" ]' "every palette glyph installed"
expect '[ -d "$inst/highlighters" ] && [ -d "$inst/help" ] && [ -d "$inst/Languages" ]' "the data folders"
expect 'cmp -s "$inst/Tavrin2.ini" "$root/src/app/default/Tavrin2.ini"' "the default settings file"
expect '[ -f "$start_menu/Tavrin2.lnk" ]' "a Start-menu entry"
expect 'wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version"' "an uninstall entry with the version"

echo "== installed copy, folder read-only"
installed_ini=$(sha256sum < "$inst/Tavrin2.ini")
if chattr +i "$inst" 2>/dev/null || { [ "$(id -u)" != 0 ] && chmod a-w "$inst"; }; then
  if touch "$inst/probe" 2>/dev/null; then
    rm -f "$inst/probe"
    echo "skip the folder stays writable here (no immutable flag); settings location not checked"
  else
    read_only_checked=1
    "$root/scripts/wine-run.sh" "$check" "$inst" "$work/appdata-2" user-data || failures=$((failures + 1))
    expect '[ "$(sha256sum < "$inst/Tavrin2.ini")" = "$installed_ini" ]' "the installed settings file is untouched"
    expect '[ ! -e "$inst/DataBase.ini" ]' "DataBase.ini not beside the program"
    expect '[ -f "$work/appdata-2/Tavrin2/DataBase.ini" ]' "DataBase.ini in the application data"
  fi
  chattr -i "$inst" 2>/dev/null; chmod u+w "$inst"
else
  echo "skip no way to make a folder read-only here; settings location not checked"
fi

echo "== installed copy, folder writable"
"$root/scripts/wine-run.sh" "$check" "$inst" "$work/appdata-1" beside || failures=$((failures + 1))

echo "== update over a used copy"
printf '[general]\r\ncompiler=C:\\fbc\\fbc.exe\r\n' > "$inst/Tavrin2.ini"
printf 'QFORM=C:\\fbc\\inc\\velpack.bi\r\n' > "$inst/DataBase.ini"
user_ini=$(sha256sum < "$inst/Tavrin2.ini"); user_db=$(sha256sum < "$inst/DataBase.ini")
wine_quiet "$setup" /S "/D=$(winpath "$inst")"
expect '[ "$(sha256sum < "$inst/Tavrin2.ini")" = "$user_ini" ]' "the update keeps the user's settings"
expect '[ "$(sha256sum < "$inst/DataBase.ini")" = "$user_db" ]' "the update keeps DataBase.ini"

echo "== uninstall"
wine_quiet "$(winpath "$inst/Uninstall.exe")" /S
for i in $(seq 1 100); do [ -e "$inst/Uninstall.exe" ] || break; sleep 0.2; done
sleep 0.5
expect '[ ! -e "$inst/Tavrin2.exe" ] && [ ! -e "$inst/Velpack.dll" ] && [ ! -e "$inst/controls" ]' "the program files are removed"
expect '[ ! -e "$inst/Uninstall.exe" ]' "the uninstaller removes itself"
expect '[ "$(sha256sum < "$inst/Tavrin2.ini")" = "$user_ini" ] && [ -f "$inst/DataBase.ini" ]' "the user's settings and DataBase.ini stay"
if [ "$read_only_checked" = 1 ]; then
  expect '[ -f "$work/appdata-2/Tavrin2/Tavrin2.ini" ]' "the settings in the application data stay"
fi
expect '[ ! -e "$start_menu" ]' "the Start-menu entry is removed"
expect '! wine reg query "$uninstall_key" >/dev/null 2>&1' "the uninstall entry is removed"

echo "== portable zip"
mkdir -p "$work/unzipped"
(cd "$work/unzipped" && unzip -q "$zip")
portable="$work/unzipped/Tavrin2"
expect '[ -f "$portable/Tavrin2.exe" ] && [ -f "$portable/Velpack.dll" ] && cmp -s "$portable/Tavrin2.ini" "$root/src/app/default/Tavrin2.ini"' "the zip holds the program folder"
expect '[ ! -e "$portable/DataBase.ini" ]' "the zip holds no DataBase.ini of a build's run"
"$root/scripts/wine-run.sh" "$check" "$portable" "$work/appdata-3" beside || failures=$((failures + 1))

if [ "$failures" -gt 0 ]; then echo "package_e2e: $failures check(s) failed"; exit 1; fi
echo "package_e2e: all checks passed"
