// Velpack's C++ classes reached the way a program that loads the library by name reaches
// them: constructors, destructors and members by their decorated export names, called
// with the object as the hidden first argument (the thiscall convention of the library's
// members). Objects live in storage of the caller's own, as a program's variables do.
#pragma once

#include <windows.h>

#include <cstddef>
#include <stdexcept>
#include <string>

// The decorated form of "const std::string&" in a parameter list.
inline constexpr char kStringParameter[] = "RKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE";

// "_ZN5QMenu3AddEPS_" from "QMenu", "Add", "PS_"; parameters "v" for none. A const member
// has "_ZNK".
std::string MemberName(const std::string& className, const std::string& member,
                       const std::string& parameters, bool constMember = false);

class LibraryMembers {
public:
    explicit LibraryMembers(HMODULE library) : library_(library) {}

    // The export of that exact name; throws when the library has none.
    FARPROC Find(const std::string& name) const;

    template <class Result = void, class... Args>
    Result Call(const void* object, const std::string& name, Args... args) const {
        using Member = Result(__attribute__((thiscall)) *)(const void*, Args...);
        return reinterpret_cast<Member>(Find(name))(object, args...);
    }

    // An exported variable of the library.
    template <class T>
    T& Variable(const char* name) const {
        return *reinterpret_cast<T*>(Find(name));
    }

private:
    HMODULE library_;
};

// An object of a library class: the library's constructor runs on storage of this object
// and its destructor when this object ends. Fails the construction when the class turns
// out larger than the storage.
class LibraryInstance {
public:
    template <class... Args>
    LibraryInstance(const LibraryMembers& members, const std::string& className,
                    const std::string& parameters = "v", Args... args)
        : members_(members), className_(className) {
        Guard();
        members.Call(storage_, "_ZN" + std::to_string(className.size()) + className + "C1E" + parameters,
                     args...);
        CheckGuard();
    }
    ~LibraryInstance();
    LibraryInstance(const LibraryInstance&) = delete;
    LibraryInstance& operator=(const LibraryInstance&) = delete;

    void* get() { return storage_; }
    // Calls a member of the object's class (or of a base class, named with it).
    template <class Result = void, class... Args>
    Result Call(const std::string& className, const std::string& member,
                const std::string& parameters, Args... args) {
        return members_.Call<Result>(storage_, MemberName(className, member, parameters), args...);
    }
    template <class Result = void, class... Args>
    Result CallConst(const std::string& className, const std::string& member,
                     const std::string& parameters, Args... args) {
        return members_.Call<Result>(storage_, MemberName(className, member, parameters, true),
                                     args...);
    }

private:
    static constexpr std::size_t kStorage = 2048;
    static constexpr std::size_t kGuard = 512;
    void Guard();
    void CheckGuard() const;

    const LibraryMembers& members_;
    std::string className_;
    alignas(16) unsigned char storage_[kStorage];
};
