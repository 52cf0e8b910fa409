// Row functions of a property table made from a member of the class: a field or a
// getter for the value text, a field or a setter for the value the text gives. Numbers
// are read and written by the protocol's rules (numbers.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

#include "packlib/core/property_table.h"
#include "packlib/core/registry.h"
#include "packlib/text/numbers.h"

namespace velpack {

// The field's value, or what the getter returns.
template <auto Member, class T>
decltype(auto) ReadMember(T& object) {
    return std::invoke(Member, object);
}

// Stores into the field, or calls the setter.
template <auto Member, class T, class V>
void WriteMember(T& object, V value) {
    if constexpr (std::is_member_function_pointer_v<decltype(Member)>) {
        (object.*Member)(value);
    } else {
        using Field = std::remove_reference_t<decltype(object.*Member)>;
        object.*Member = static_cast<Field>(value);
    }
}

// An address as a number: signed ("-1") or unsigned ("4294967295").
std::string SignedAddressText(const void* address);
std::string UnsignedAddressText(const void* address);

// A procedure address from a value text (read as an unsigned number).
template <class Procedure>
Procedure ProcedureFromText(const char* text) {
    return reinterpret_cast<Procedure>(static_cast<std::uintptr_t>(ReadAddress(text)));
}

// An object given by its address as text: 0 gives null; any other address counts only
// when a live library object of class Object starts there. False for any other text.
template <class Object>
bool ObjectFromText(const char* text, Object*& object) {
    std::uintptr_t address = ReadAddress(text);
    object = LiveObjectOf<Object>(address);
    return address == 0 || object != nullptr;
}

template <class T>
struct Access {
    // Value texts.
    template <auto Member>
    static ValueText Signed(T& object, const PropertyName&) {
        return SignedText(static_cast<std::int32_t>(ReadMember<Member>(object)));
    }
    template <auto Member>
    static ValueText Unsigned(T& object, const PropertyName&) {
        return UnsignedText(static_cast<std::uint32_t>(ReadMember<Member>(object)));
    }
    template <auto Member>
    static ValueText SignedAddress(T& object, const PropertyName&) {
        return SignedAddressText(reinterpret_cast<const void*>(ReadMember<Member>(object)));
    }
    template <auto Member>
    static ValueText UnsignedAddress(T& object, const PropertyName&) {
        return UnsignedAddressText(reinterpret_cast<const void*>(ReadMember<Member>(object)));
    }
    template <auto Member>
    static ValueText Text(T& object, const PropertyName&) {
        return std::string(ReadMember<Member>(object));
    }
    // Flags as "-1" and "0".
    template <auto Member>
    static ValueText MinusOneOrZero(T& object, const PropertyName&) {
        return std::string(ReadMember<Member>(object) ? "-1" : "0");
    }
    // Flags as "true" and "false".
    template <auto Member>
    static ValueText TrueOrFalse(T& object, const PropertyName&) {
        return std::string(ReadMember<Member>(object) ? "true" : "false");
    }
    // For records that carry no Value.
    static ValueText NoValue(T&, const PropertyName&) { return std::nullopt; }

    // Setters; each takes the value and answers true.
    template <auto Member>
    static bool SetInteger(T& object, const char* value, const PropertyName&) {
        WriteMember<Member>(object, ReadInteger(value));
        return true;
    }
    template <auto Member>
    static bool SetRounded(T& object, const char* value, const PropertyName&) {
        WriteMember<Member>(object, ReadRounded(value));
        return true;
    }
    template <auto Member>
    static bool SetFlag(T& object, const char* value, const PropertyName&) {
        WriteMember<Member>(object, ReadInteger(value) != 0);
        return true;
    }
    template <auto Member>
    static bool SetText(T& object, const char* value, const PropertyName&) {
        WriteMember<Member>(object, std::string(value));
        return true;
    }
    // A handler field := the procedure address the text gives.
    template <auto Member>
    static bool SetProcedure(T& object, const char* value, const PropertyName&) {
        using Field = std::remove_reference_t<decltype(object.*Member)>;
        object.*Member = ProcedureFromText<Field>(value);
        return true;
    }
};

}  // namespace velpack
