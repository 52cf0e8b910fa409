#include "resources/resource_items.h"

#include <algorithm>
#include <stdexcept>

#include "common/file_checks.h"
#include "common/paths.h"
#include "common/string_list.h"
#include "common/text.h"
#include "resources/resource_types.h"

namespace tavrin {

std::string ExtensionOf(std::string_view path) {
    std::string name = ExtractFileName(path);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

TResourcesItem* ResourceItems::Find(std::string_view fileName, const void* control) const {
    for (const auto& item : items_)
        if (item->Control == control && EqualsNoCase(item->FileName, fileName)) return item.get();
    return nullptr;
}

ResourceItems::Added ResourceItems::AddResource(std::string_view fileName, const void* control, int defaultType) {
    if (TResourcesItem* there = Find(fileName, control)) return {there, false};
    auto item = std::make_unique<TResourcesItem>();
    item->Control = control;
    item->FileName = fileName;
    std::string extension = ExtensionOf(fileName);
    std::string name = ExtractFileName(fileName);
    item->Name = name.substr(0, name.size() - extension.size());
    item->ResType = extension.empty() ? defaultType : ResourceTypeOfExtension(extension);
    if (FileExists(item->FileName)) {
        if (ReadWholeFile(item->FileName, item->Data) != FileReadStatus::Ok)
            throw std::runtime_error("Can't read the file " + item->FileName + ".");
    } else {
        item->Data = item->FileName;
    }
    items_.push_back(std::move(item));
    return {items_.back().get(), true};
}

void ResourceItems::Remove(const TResourcesItem* item) {
    std::erase_if(items_, [item](const auto& owned) { return owned.get() == item; });
}

}  // namespace tavrin
