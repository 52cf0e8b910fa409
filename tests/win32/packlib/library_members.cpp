#include "library_members.h"

#include <cstring>

namespace {
constexpr unsigned char kGuardByte = 0xA5;
}

std::string MemberName(const std::string& className, const std::string& member,
                       const std::string& parameters, bool constMember) {
    return std::string(constMember ? "_ZNK" : "_ZN") + std::to_string(className.size()) +
           className + std::to_string(member.size()) + member + "E" + parameters;
}

FARPROC LibraryMembers::Find(const std::string& name) const {
    FARPROC found = library_ ? GetProcAddress(library_, name.c_str()) : nullptr;
    if (!found) throw std::runtime_error("the library exports no " + name);
    return found;
}

LibraryInstance::~LibraryInstance() {
    members_.Call(storage_, "_ZN" + std::to_string(className_.size()) + className_ + "D1Ev");
}

void LibraryInstance::Guard() {
    std::memset(storage_, 0, kStorage - kGuard);
    std::memset(storage_ + kStorage - kGuard, kGuardByte, kGuard);
}

void LibraryInstance::CheckGuard() const {
    for (std::size_t i = kStorage - kGuard; i < kStorage; ++i)
        if (storage_[i] != kGuardByte)
            throw std::runtime_error(className_ + " is larger than the storage of a test object");
}
