#include "packlib/core/registry.h"

#include <mutex>
#include <unordered_set>

namespace velpack {

namespace {

struct Registry {
    std::mutex lock;
    std::unordered_set<QObject*> objects;
};

// Made once and never destroyed: objects may end after the library's own statics.
Registry& Live() {
    static Registry* registry = new Registry;
    return *registry;
}

QObject* AsObject(std::uintptr_t address) {
    return reinterpret_cast<QObject*>(address);
}

}  // namespace

void EnterLiveObject(QObject* object) {
    Registry& live = Live();
    std::lock_guard<std::mutex> guard(live.lock);
    live.objects.insert(object);
}

void LeaveLiveObject(QObject* object) {
    Registry& live = Live();
    std::lock_guard<std::mutex> guard(live.lock);
    live.objects.erase(object);
}

QObject* LiveObjectAt(std::uintptr_t address) {
    if (address == 0) return nullptr;
    Registry& live = Live();
    std::lock_guard<std::mutex> guard(live.lock);
    auto found = live.objects.find(AsObject(address));
    return found == live.objects.end() ? nullptr : *found;
}

}  // namespace velpack
