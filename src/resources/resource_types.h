// The Windows resource types the resource editor knows: their numbers, the
// names it writes and shows, the file extensions that map a file to a type,
// and the list view image of each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

enum ResourceTypeId : int {
    rtCursor = 1, rtBitmap = 2, rtIcon = 3, rtMenu = 4, rtDialog = 5, rtString = 6, rtFontDir = 7, rtFont = 8,
    rtAccelerator = 9, rtRCData = 10, rtMessageTable = 11, rtGroupCursor = 12, rtGroupIcon = 14, rtVersion = 16,
    rtDlgInclude = 17, rtPlugPlay = 19, rtVxd = 20, rtAniCursor = 21, rtAniIcon = 22, rtHtml = 23, rtManifest = 24,
};

// List view images of the resource editor.
enum ResourceImage : int { imagePicture = 0, imageData = 1, imageDialog = 2, imageOther = 3 };

// "CURSOR", "BITMAP", ...; "UNKNOWN" for a number not in the table.
std::string ResourceTypeName(int id);
// The number of a type name (exact comparison); 0 when the name is unknown.
int ResourceTypeOfName(std::string_view name);
// The type a file extension (with its dot) maps to, compared without regard
// to letter case as file names are; RCDATA for every other extension.
int ResourceTypeOfExtension(std::string_view extension);
ResourceImage ResourceImageOf(int id);
// The names the kind list offers, in its order.
const std::vector<std::string>& ResourceKindNames();

}  // namespace tavrin
