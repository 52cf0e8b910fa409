// A small compiler include tree shaped like the Windows headers, for the
// completion tests: "windows.bi" reaches the Win32 RECT (an alias of tagRECT
// in "win/windef.bi"), and "gdiplus.bi" reaches GDI+'s Rect class, a
// same-named type in another header that comes first in the database.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace tavrin::test {

// Writes the tree under folder/<compiler>/inc and returns the path of the
// compiler's folder (folder/<compiler>). rect and gdiplusRect name the two
// same-named types (one name to FreeBASIC, written in two letter cases).
inline std::string WriteWindowsLikeHeaders(TempFolder& folder, const std::string& compiler = "fb",
                                           const std::string& rect = "RECT",
                                           const std::string& gdiplusRect = "Rect") {
    folder.Write(compiler + "/inc/windows.bi", "#include once \"win/windef.bi\"\n");
    folder.Write(compiler + "/inc/gdiplus.bi", "#include once \"gdiplus/GdiplusTypes.bi\"\n");
    folder.Write(compiler + "/inc/gdiplus/GdiplusTypes.bi",
                 "type " + gdiplusRect + "\n"
                 "  X as INT_\n  Y as INT_\n  Width as INT_\n  Height as INT_\n"
                 "  declare constructor()\n"
                 "  declare constructor(byval x as INT_, byval y as INT_)\n"
                 "  declare constructor(byref r as const " + gdiplusRect + ")\n"
                 "  declare function Clone() as " + gdiplusRect + " ptr\n"
                 "  declare function GetLeft() as INT_\n"
                 "end type\n");
    folder.Write(compiler + "/inc/win/windef.bi",
                 "#include once \"winnt.bi\"\n"
                 "type tag" + rect + "\n  left as LONG\n  top as LONG\n  right as LONG\n  bottom as LONG\nend type\n"
                 "type " + rect + " as tag" + rect + "\n"
                 "type LP" + rect + " as tag" + rect + " ptr\n"
                 "type tagPOINT\n  x as LONG\n  y as LONG\nend type\n"
                 "type POINT as tagPOINT\n"
                 "type HWND as HWND__ ptr\n"
                 "type LOOPA as LOOPB\ntype LOOPB as LOOPA\n");
    folder.Write(compiler + "/inc/win/winnt.bi", "type HWND__\n  unused as long\nend type\n");
    return folder.Path(compiler);
}

}  // namespace tavrin::test
