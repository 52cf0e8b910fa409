// The resource editor's items: one per resource (a file, a text, or an
// imported designed dialog), kept in the order added, each once.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct TResourcesItem {
    int ResType = 0;
    std::string FileName;  // the file the resource came from, or the text it was made from
    std::string Name;      // FileName without folder and extension
    std::string Data;      // the file's text when FileName names an existing file, else FileName
    const void* Control = nullptr;  // the designed dialog an imported DIALOG item stands for
    std::string DialogText;         // the resource text generated for Control at its last import
};

class ResourceItems {
public:
    struct Added {
        TResourcesItem* item = nullptr;
        bool isNew = false;  // false: an item for the same file (or dialog) was there already
    };

    // Makes an item for a file name or text (and the dialog it stands for, or
    // none). Its type is that of the name's extension, or defaultType when the
    // name has none. An item for the same name and dialog is not added twice:
    // the one there is returned. Throws std::runtime_error when an existing
    // file cannot be read; nothing is added then.
    Added AddResource(std::string_view fileName, const void* control, int defaultType);
    void Remove(const TResourcesItem* item);
    void Clear() { items_.clear(); }

    const std::vector<std::unique_ptr<TResourcesItem>>& Items() const { return items_; }
    bool Empty() const { return items_.empty(); }
    TResourcesItem* Find(std::string_view fileName, const void* control) const;

private:
    std::vector<std::unique_ptr<TResourcesItem>> items_;
};

// The extension of a path's name with its dot ("" when the name has none).
std::string ExtensionOf(std::string_view path);

}  // namespace tavrin
