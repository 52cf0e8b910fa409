#include "inspector/container_object.h"

#include "common/text.h"

namespace tavrin {

ContainerObject::ContainerObject(TContainer& container, LineDocument* code, CodeObject target,
                                 const DesignProperties* dialogProperties)
    : container_(&container), code_(code), target_(std::move(target)), dialogProperties_(dialogProperties) {}

const DesignProperties& ContainerObject::EditorProperties() const {
    return dialogProperties_ ? *dialogProperties_ : container_->Properties();
}

TContainer* ContainerOfPackObject(PackApi& pack, PackObject object) {
    if (!object || !pack.Has(PackEntry::GetPropValue)) return nullptr;
    std::optional<std::string> handleText = pack.PropertyValue(object, "handle");
    long long handle = 0;
    if (!handleText || !ParseInt(*handleText, handle) || handle == 0) return nullptr;
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(handle)));
    if (!IsWindow(window)) return nullptr;
    return TContainer::OfWindow(window);
}

}  // namespace tavrin
