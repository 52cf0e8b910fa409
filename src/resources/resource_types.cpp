#include "resources/resource_types.h"

#include "common/text.h"

namespace tavrin {
namespace {

struct TypeRow {
    int id;
    const char* name;
    const char* extension;  // empty: no extension maps to the type
    ResourceImage image;
};

constexpr TypeRow kTypes[] = {
    {rtCursor, "CURSOR", ".cur", imagePicture},
    {rtBitmap, "BITMAP", ".bmp", imagePicture},
    {rtIcon, "ICON", ".ico", imagePicture},
    {rtMenu, "MENU", ".mnu", imageOther},
    {rtDialog, "DIALOG", ".rc", imageDialog},
    {rtString, "STRING", ".str", imageOther},
    {rtFontDir, "FONTDIR", ".dfnt", imageOther},
    {rtFont, "FONT", ".fnt", imageOther},
    {rtAccelerator, "ACCELERATOR", ".acc", imageOther},
    {rtRCData, "RCDATA", "", imageData},
    {rtMessageTable, "MESSAGETABLE", ".mtb", imageOther},
    {rtGroupCursor, "GROUP_CURSOR", "", imagePicture},
    {rtGroupIcon, "GROUP_ICON", ".gico", imagePicture},
    {rtVersion, "VERSION", ".ver", imageData},
    {rtDlgInclude, "DLGINCLUDE", ".dlg", imageDialog},
    {rtPlugPlay, "PLUGPLAY", ".plg", imageOther},
    {rtVxd, "VXD", ".vxd", imageOther},
    {rtAniCursor, "ANICURSOR", ".acur", imageOther},
    {rtAniIcon, "ANIICON", ".aico", imageOther},
    {rtHtml, "HTML", ".html", imageData},
    {rtManifest, "MANIFEST", ".xp", imageData},
};

const TypeRow* RowOf(int id) {
    for (const TypeRow& row : kTypes)
        if (row.id == id) return &row;
    return nullptr;
}

}  // namespace

std::string ResourceTypeName(int id) {
    const TypeRow* row = RowOf(id);
    return row ? row->name : "UNKNOWN";
}

int ResourceTypeOfName(std::string_view name) {
    for (const TypeRow& row : kTypes)
        if (name == row.name) return row.id;
    return 0;
}

int ResourceTypeOfExtension(std::string_view extension) {
    if (!extension.empty())
        for (const TypeRow& row : kTypes)
            if (EqualsNoCase(extension, row.extension)) return row.id;
    return rtRCData;
}

ResourceImage ResourceImageOf(int id) {
    const TypeRow* row = RowOf(id);
    return row ? row->image : imageOther;
}

const std::vector<std::string>& ResourceKindNames() {
    static const std::vector<std::string> names = {
        "BITMAP", "ICON", "CURSOR", "RCDATA", "VERSION", "HTML", "DIALOG", "DLGINCLUDE", "ANIICON", "ANICURSOR",
        "ACCELERATOR", "VXD", "GROUP_ICON", "GROUP_CURSOR", "MANIFEST", "STRING", "MENU", "PLUGPLAY",
        "MESSAGETABLE", "FONT", "FONTDIR"};
    return names;
}

}  // namespace tavrin
