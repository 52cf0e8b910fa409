#!/usr/bin/env bash
# Runs the picture test of languages_e2e_test and keeps the pictures as PNGs:
# the workbench in German and the find-and-replace window in German and in
# English. Usage: language_pictures.sh TEST_EXE TAVRIN2_EXE LANGUAGES_FOLDER OUTPUT_FOLDER
set -uo pipefail
exe=$1 tavrin=$2 languages=$3 out=$4
root=$(cd "$(dirname "$0")/../../.." && pwd)
source "$root/scripts/wine-env.sh" vars
mkdir -p "$out"
names="german_workbench german_find_replace english_workbench english_find_replace"
for name in $names; do rm -f "$out/$name.bmp" "$out/$name.png"; done
TAVRIN_LANGUAGE_PICTURES=$(winepath -w "$out" 2>/dev/null) \
  "$root/scripts/wine-run.sh" "$exe" "$tavrin" "$languages" --gtest_filter=LanguagePictures.* || exit 1
for name in $names; do
  [ -s "$out/$name.bmp" ] || { echo "no picture $name" >&2; exit 1; }
  convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp"
done
echo "pictures: $out/german_workbench.png $out/german_find_replace.png $out/english_find_replace.png"
