#!/usr/bin/env bash
# Makes the two ways users get Tavrin2 from the assembled application folder:
# a setup program (NSIS) and a portable zip, both named with the version of
# Tavrin2.exe's version resource:
#   Tavrin2-<version>-setup.exe, Tavrin2-<version>-portable.zip
#
#   scripts/package.sh [APP_FOLDER [OUTPUT_FOLDER]]
#   scripts/package.sh --version PROGRAM   prints a program's file version
#
# Without APP_FOLDER the win32 build's application folder is built first
# (target appfolder) and used; OUTPUT_FOLDER defaults to build/win32/packages.
# What is shipped: Tavrin2.exe, Velpack.dll, controls, highlighters, help,
# Languages and the default Tavrin2.ini of the source tree (never the
# settings or DataBase.ini an earlier run left in the folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# The file version of a program: the four numbers of the fixed part of its
# version resource. That part follows the UTF-16 key "VS_VERSION_INFO" (and
# its padding) and starts with the signature FEEF04BD; after the signature
# and the structure version come two 32-bit little-endian words,
# major<<16|minor and build<<16|revision.
file_version() {
  local exe=$1 offset words
  offset=$(LC_ALL=C grep -obUaP 'V\x00S\x00_\x00V\x00E\x00R\x00S\x00I\x00O\x00N\x00_\x00I\x00N\x00F\x00O\x00\x00\x00(\x00\x00)?\K\xBD\x04\xEF\xFE' "$exe" |
           head -1 | cut -d: -f1)
  [ -n "$offset" ] || { echo "package.sh: $exe has no version resource" >&2; return 1; }
  read -r -a words <<< "$(od -An -tu2 -j $((offset + 8)) -N 8 "$exe")"
  echo "${words[1]}.${words[0]}.${words[3]}.${words[2]}"
}

if [ "${1:-}" = --version ]; then
  file_version "${2:?usage: package.sh --version PROGRAM}"
  exit
fi

if [ $# -ge 1 ]; then
  app=$(cd "$1" && pwd)
else
  bash "$root/scripts/build.sh" win32 appfolder
  app="$root/build/win32/app"
fi
out=${2:-$root/build/win32/packages}
mkdir -p "$out"
out=$(cd "$out" && pwd)
command -v makensis >/dev/null || { echo "package.sh: makensis missing (scripts/install-packages.sh installs nsis)" >&2; exit 1; }
command -v zip >/dev/null || { echo "package.sh: zip missing (scripts/install-packages.sh installs it)" >&2; exit 1; }
for part in Tavrin2.exe Velpack.dll; do
  [ -f "$app/$part" ] || { echo "package.sh: $app/$part missing" >&2; exit 1; }
done

version=$(file_version "$app/Tavrin2.exe")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/Tavrin2"
mkdir -p "$stage"
cp "$app/Tavrin2.exe" "$app/Velpack.dll" "$stage/"
for folder in controls highlighters help Languages; do
  mkdir -p "$stage/$folder"
  if [ -d "$app/$folder" ]; then cp -r "$app/$folder/." "$stage/$folder/"; fi
done
cp "$root/src/app/default/Tavrin2.ini" "$stage/Tavrin2.ini"

# The lists of what setup installs and the uninstaller removes: every file
# and folder of the stage except the settings file (installed on its own,
# and left behind as the user's).
winpath() { printf '%s' "${1//\//\\}"; }
(
  cd "$stage"
  find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort > "$work/folders.txt"
  find . -type f ! -path ./Tavrin2.ini | sed 's|^\./||' | LC_ALL=C sort > "$work/files.txt"
)
{
  while IFS= read -r folder; do echo "CreateDirectory \"\$INSTDIR\\$(winpath "$folder")\""; done < "$work/folders.txt"
} > "$work/folders.nsh"
{
  while IFS= read -r file; do
    echo "File \"/oname=$(winpath "$file")\" \"$(winpath "$stage/$file")\""
  done < "$work/files.txt"
} > "$work/files.nsh"
{
  while IFS= read -r file; do echo "Delete \"\$INSTDIR\\$(winpath "$file")\""; done < "$work/files.txt"
  # Deepest folders first; a folder the user added files to stays.
  LC_ALL=C sort -r "$work/folders.txt" | while IFS= read -r folder; do
    echo "RMDir \"\$INSTDIR\\$(winpath "$folder")\""
  done
} > "$work/remove.nsh"

setup="$out/Tavrin2-$version-setup.exe"
portable="$out/Tavrin2-$version-portable.zip"
rm -f "$setup" "$portable"
makensis -V2 -NOCD \
  "-DSTAGE=$stage" "-DFILES=$work/files.nsh" "-DFOLDERS=$work/folders.nsh" \
  "-DREMOVE=$work/remove.nsh" "-DOUTFILE=$setup" "-DICON=$root/src/app/res/main.ico" \
  "$root/packaging/tavrin2.nsi"
(cd "$work" && zip -q -r -X "$portable" Tavrin2)
echo "setup program: $setup"
echo "portable zip:  $portable"
