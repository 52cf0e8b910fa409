// The library's live objects. Every QObject enters the registry in its constructor and
// leaves it in its destructor, so that an object address that arrives as text can be
// checked before it is used: only a live object of the right class is taken.
#pragma once

#include <cstdint>

class QObject;

namespace velpack {

void EnterLiveObject(QObject* object);
void LeaveLiveObject(QObject* object);

// The live object that starts at the address, or null.
QObject* LiveObjectAt(std::uintptr_t address);

// The live object of class T (or a class derived from it) at the address, or null.
template <class T>
T* LiveObjectOf(std::uintptr_t address) {
    return dynamic_cast<T*>(LiveObjectAt(address));
}

template <class T>
bool IsLiveObject(const T* object) {
    return object && LiveObjectAt(reinterpret_cast<std::uintptr_t>(object)) != nullptr;
}

}  // namespace velpack
