// A small compiler include tree shaped like the Windows headers, for the
// completion tests: "windows.bi" reaches the Win32 RECT (an alias of tagRECT
// in "win/windef.bi"), and "gdiplus.bi" reaches GDI+'s Rect class, a
// same-named type in another header that comes first in the database.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace tavrin::test {

// Writes the tree under folder/<compiler>/inc and returns the path of the
// compiler's folder (folder/<compiler>).
inline std::string WriteWindowsLikeHeaders(TempFolder& folder, const std::string& compiler = "fb") {
    folder.Write(compiler + "/inc/windows.bi", "#include once \"win/windef.bi\"\n");
    folder.Write(compiler + "/inc/gdiplus.bi", "#include once \"gdiplus/GdiplusTypes.bi\"\n");
    folder.Write(compiler + "/inc/gdiplus/GdiplusTypes.bi",
                 "type Rect\n"
                 "  X as INT_\n  Y as INT_\n  Width as INT_\n  Height as INT_\n"
                 "  declare constructor()\n"
                 "  declare constructor(byval x as INT_, byval y as INT_)\n"
                 "  declare constructor(byref r as const Rect)\n"
                 "  declare function Clone() as Rect ptr\n"
                 "  declare function GetLeft() as INT_\n"
                 "end type\n");
    folder.Write(compiler + "/inc/win/windef.bi",
                 "#include once \"winnt.bi\"\n"
                 "type tagRECT\n  left as LONG\n  top as LONG\n  right as LONG\n  bottom as LONG\nend type\n"
                 "type RECT as tagRECT\n"
                 "type LPRECT as tagRECT ptr\n"
                 "type tagPOINT\n  x as LONG\n  y as LONG\nend type\n"
                 "type POINT as tagPOINT\n"
                 "type HWND as HWND__ ptr\n"
                 "type LOOPA as LOOPB\ntype LOOPB as LOOPA\n");
    folder.Write(compiler + "/inc/win/winnt.bi", "type HWND__\n  unused as long\nend type\n");
    return folder.Path(compiler);
}

}  // namespace tavrin::test
