// Path helpers on 8-bit names; "\" and "/" both separate folders.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// The folder of a path without trailing separator ("" when there is none;
// "C:" for "C:name").
std::string ExtractFileDir(std::string_view path);
// The name after the last separator.
std::string ExtractFileName(std::string_view path);
// The path with the extension of its name replaced, or added when the name
// has none; a dot in a folder name is not an extension. The extension
// includes its dot: ".exe".
std::string ChangeFileExt(std::string_view path, std::string_view extension);

}  // namespace tavrin
