#!/usr/bin/env python3
"""Writes a corpus of FreeBASIC include files shaped like large Windows API
headers: type aliases, types with fields, enumerations, constants, declares,
block and line comments, continued lines and preprocessor lines.

usage: generate_corpus.py OUT_FOLDER [FILES] [LINES_PER_FILE] [BYTES_PER_LINE] [--include-tree]

BYTES_PER_LINE, when given, lengthens lines with trailing comments until the
files reach about that average line length (real headers carry long
declarations and notes).

With --include-tree the corpus is also one include tree, shaped like the
compiler's "inc" folder: "windows.bi" includes one list header per part
folder, each list includes the headers of its part, and every header includes
"win/winnt.bi", which declares the Win32 RECT (an alias of tagRECT). A GDI+
header declares a class "Rect" of the same name that no header includes and
that comes first in a scan of the folder.
"""
import os
import random
import sys

WORDS = ["Window", "Thread", "Device", "Context", "Handle", "Brush", "Font", "Menu",
         "Cursor", "Region", "Module", "Event", "Mutex", "Token", "Printer", "Palette"]
TYPES = ["DWORD", "LONG", "UINT", "BOOL", "HWND", "HANDLE", "LPCSTR", "LPVOID", "WORD",
         "BYTE", "ULONG_PTR", "HDC", "integer", "zstring"]


PREFIXES = ["Get", "Set", "Create", "Delete", "Enum", "Query", "Open", "Close", "Is", "Load"]


def name(rng, prefix=""):
    """A name shaped like the Windows API's: a prefix, one or two words and,
    now and then, a suffix such as "Ex" or a small number."""
    words = rng.choice(WORDS) + (rng.choice(WORDS) if rng.randrange(2) else "")
    suffix = rng.choice(["", "", "", "Ex", "A", "W", "2", str(rng.randrange(100))])
    if prefix:
        return prefix + words + suffix
    return rng.choice(PREFIXES) + words + suffix


def block_comment(rng, out):
    out.append("/' " + name(rng) + " - documentation of the next declarations")
    for _ in range(rng.randrange(1, 4)):
        out.append("   " + " ".join(rng.choice(WORDS) for _ in range(6)))
    out.append("'/")


def struct(rng, out):
    tag = name(rng, "_")
    out.append("type " + tag)
    for _ in range(rng.randrange(3, 12)):
        kind = rng.randrange(6)
        if kind == 0:
            out.append("\tdim as " + rng.choice(TYPES) + " ptr " + name(rng, "p") + ", " +
                       name(rng, "q"))
        elif kind == 1:
            out.append("\t" + name(rng, "a") + "(0 to 31) as " + rng.choice(TYPES))
        elif kind == 2:
            out.append("\t" + name(rng, "f") + " as " + rng.choice(TYPES) + "  ' field note")
        else:
            out.append("\t" + name(rng, "m") + " as " + rng.choice(TYPES))
    out.append("end type")
    out.append("")
    out.append("type " + tag[1:] + " as " + tag)
    out.append("type LP" + tag[1:] + " as " + tag + " ptr")


def enumeration(rng, out):
    out.append("enum " + name(rng, "E"))
    for i in range(rng.randrange(3, 10)):
        if i % 3 == 0:
            out.append("\t" + name(rng, "V") + " = &h" + format(rng.randrange(65536), "X"))
        else:
            out.append("\t" + name(rng, "V") + ", " + name(rng, "V"))
    out.append("end enum")


def declare(rng, out):
    fn = name(rng)
    params = ["byval " + name(rng, "x") + " as " + rng.choice(TYPES)
              for _ in range(rng.randrange(0, 7))]
    if len(params) > 3:
        out.append("declare function " + fn + "A alias \"" + fn + "A\"(" +
                   ", ".join(params[:3]) + ", _")
        out.append("\t" + ", ".join(params[3:]) + ") as " + rng.choice(TYPES))
    elif rng.randrange(3) == 0:
        out.append("declare sub " + fn + "(" + ", ".join(params) + ")")
    else:
        out.append("declare function " + fn + "(" + ", ".join(params) + ") as " +
                   rng.choice(TYPES))


def pad_lines(rng, out, bytes_per_line):
    """Appends comments to code lines until the average line length is about
    bytes_per_line. Continued, preprocessor and comment lines stay as they are."""
    deficit = bytes_per_line * len(out) - sum(len(line) + 2 for line in out)
    candidates = [i for i, line in enumerate(out)
                  if line.strip() and not line.rstrip().endswith("_") and
                  not line.lstrip().startswith(("#", "'", "/'"))]
    while deficit > 0 and candidates:
        i = rng.choice(candidates)
        note = "  ' " + " ".join(rng.choice(WORDS).lower() for _ in range(rng.randrange(3, 9)))
        out[i] += note
        deficit -= len(note)


def write_file(rng, path, lines, bytes_per_line=0):
    out = ["'' " + os.path.basename(path) + ": generated header", "#pragma once",
           "#include once \"win/winnt.bi\"", ""]
    while len(out) < lines:
        kind = rng.randrange(12)
        if kind == 0:
            block_comment(rng, out)
        elif kind in (1, 2):
            struct(rng, out)
        elif kind == 3:
            enumeration(rng, out)
        elif kind in (4, 5):
            for _ in range(rng.randrange(2, 8)):
                out.append("const " + name(rng, "WM_").upper() + " = &h" +
                           format(rng.randrange(65536), "04X"))
        elif kind == 6:
            out.append("#define " + name(rng, "M_") + " " + str(rng.randrange(1000)))
            out.append("#ifdef UNICODE")
            out.append("\tdeclare function " + name(rng) + " alias \"x\"() as long")
            out.append("#endif")
        elif kind == 7:
            out.append("type " + name(rng, "H") + " as HANDLE")
            out.append("")
        else:
            declare(rng, out)
        if rng.randrange(4) == 0:
            out.append("")
    if bytes_per_line:
        pad_lines(rng, out, bytes_per_line)
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(out) + "\n")
    return len(out)


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    return len(lines)


def write_include_tree(out_folder, headers):
    """The headers that make the corpus one tree; headers maps each part
    folder ("win/part03") to the names of its headers."""
    total = 0
    lists = []
    for part in sorted(headers):
        kind, name = part.split("/")
        lists.append(kind + "/" + name + ".bi")
        total += write_lines(os.path.join(out_folder, kind, name + ".bi"),
                             ["#include once \"" + name + "/" + h + "\"" for h in headers[part]])
    total += write_lines(os.path.join(out_folder, "windows.bi"),
                         ["#pragma once"] + ["#include once \"" + l + "\"" for l in lists])
    total += write_lines(os.path.join(out_folder, "win", "winnt.bi"), [
        "#pragma once", "type tagRECT", "\tleft as LONG", "\ttop as LONG", "\tright as LONG",
        "\tbottom as LONG", "end type", "type RECT as tagRECT", "type LPRECT as tagRECT ptr"])
    total += write_lines(os.path.join(out_folder, "a_gdiplus", "GdiplusTypes.bi"), [
        "type Rect", "\tX as INT_", "\tY as INT_", "\tWidth as INT_", "\tHeight as INT_",
        "\tdeclare constructor()", "\tdeclare constructor(byval x as INT_, byval y as INT_)",
        "\tdeclare function Clone() as Rect ptr", "end type"])
    return total


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    tree = "--include-tree" in sys.argv
    out_folder = args[0]
    files = int(args[1]) if len(args) > 1 else 2000
    lines = int(args[2]) if len(args) > 2 else 1500
    bytes_per_line = int(args[3]) if len(args) > 3 else 0
    rng = random.Random(20261209)
    total = 0
    headers = {}
    for i in range(files):
        part = ("win" if i % 3 else "crt") + "/part%02d" % (i % 20)
        folder = os.path.join(out_folder, *part.split("/"))
        os.makedirs(folder, exist_ok=True)
        total += write_file(rng, os.path.join(folder, "header%04d.bi" % i), lines,
                            bytes_per_line)
        headers.setdefault(part, []).append("header%04d.bi" % i)
    if tree:
        total += write_include_tree(out_folder, headers)
    print(total)


if __name__ == "__main__":
    main()
