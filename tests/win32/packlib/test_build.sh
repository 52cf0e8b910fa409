#!/usr/bin/env bash
# test.dll loaded by its host: the lines its test program prints, the file "test.txt" it
# saves, its window (checked from outside, and a screenshot) and the exit code 0 after the
# form is closed with Yes.
# Usage: test_build.sh HOST_EXE CHECK_EXE OUTPUT_FOLDER
set -uo pipefail
host=$1 check=$2 out=$3
root=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$host" "$(dirname "$host")/test.dll" "$work"/
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cd "$work"
"$root/scripts/wine-run.sh" "$work/$(basename "$host")" > stdout.txt 2>stderr.txt &
pid=$!
"$root/scripts/wine-run.sh" "$check" shown || fail "the window of the test program"
source "$root/scripts/wine-env.sh" vars
import -display "$DISPLAY" -window root "$out/test_dll.png"
convert "$out/test_dll.png" -crop 520x380+0+0 +repage "$out/test_dll_window.png"
"$root/scripts/wine-run.sh" "$check" close || fail "closing the form"
wait $pid
code=$?
[ "$code" = 0 ] || fail "the host ended with exit code $code"

# The diagnostic lines: the form's handle, the last system error, the value list of the
# form's "FormBorder", then one line per property of the static control.
lines=$(tr -d '\r' < stdout.txt)
[ "$(sed -n 1p <<< "$lines")" = "Application handle: 0" ] || fail "first line: $(sed -n 1p <<< "$lines")"
grep -qx "Last system error: [0-9]* .*" <<< "$(sed -n 2p <<< "$lines")" || fail "second line: $(sed -n 2p <<< "$lines")"
[ "$(sed -n 3p <<< "$lines")" = "FormBorder: bsNone,bsSingle,bsSizeable,bsSizeTool,bsToolWindow" ] ||
  fail "third line: $(sed -n 3p <<< "$lines")"
names="ClassName ClassAncestor Tag Font Text Hint ControlStyle Cursor Color Align Parent ParentWnd \
Style Exstyle Id Left Top Width Height Handle Enabled Visible ShowHint Clipped TabStop Grouped Control \
ControlCount ClientWidth ClientHeight ClientRect Windowrect onCreate onDestroy onClick onDblClick \
onPaint onMouseDown onMouseUp onMouseMove onMouseWheel onKeyDown onKeyPress onCommand onMenu onAccel \
Alignment"
expected_names=$(tr ' ' '\n' <<< "$names" | grep -v '^$')
[ "$(sed -n '4,$p' <<< "$lines" | grep -v '^button clicked$' | sed 's/: .*//')" = "$expected_names" ] ||
  fail "one line per property of the static control"
grep -qx "ClassName: QStatic" <<< "$lines" || fail "the static's class name line"
grep -qx "Control: error" <<< "$lines" || fail "\"error\" for the property without a value"
[ "$(grep -c ': error$' <<< "$lines")" = 1 ] || fail "only Control fails the check"
grep -qx "button clicked" <<< "$lines" || fail "the button's click handler"

# Its exports: those of Velpack without "REGISTER@0" and "VERSION@0", and no C++ classes.
exports=$(i686-w64-mingw32-objdump -p test.dll | sed -n '/Ordinal\/Name Pointer/,/^$/p' |
  sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
[ "$exports" = "CLASSNAMEIS@4 DEBUG@4 GETPROPINFO@8 GETPROPLIST@4 GETPROPVALUE@8 MAINWINDOW@0 \
MESSAGEDLG@12 SETPROPVALUE@12 SHOWMESSAGE@4 SYSERRORMESSAGE@4 _ZN5MENUS18REGISTERCOMPONENTSEv@0 \
_ZN9STANDARDS18REGISTERCOMPONENTSEv@0 " ] || fail "exports of test.dll: $exports"

# test.txt: the static's property list, written with a line break at its end.
printf '%s\r\n' "$expected_names" > expected.txt
cmp -s expected.txt test.txt || { fail "test.txt"; od -c test.txt | head -5; }

echo "screenshots: $out/test_dll.png, $out/test_dll_window.png"
[ "$failures" = 0 ] && echo "test.dll: every check holds"
exit $(( failures > 0 ))
