#include "packlib/core/object.h"

#include "packlib/text/numbers.h"
#include "packlib/text/textutils.h"

using velpack::kSpelledName;

namespace {
const char* const kObjectNames[] = {"ClassName", "ClassAncestor", "Tag"};
}

char* QObject::GetPropList() {
    return velpack::NewText(velpack::AppendNames("", kObjectNames, 3));
}

QPropInfo* QObject::ObjectPropInfo(const std::string& name, bool remember) {
    std::string lower = velpack::LowerCase(name);
    if (lower == "classname")
        return velpack::NewInfo({pkString, kSpelledName, nullptr, nullptr}, name, true, ClassName,
                                remember);
    if (lower == "classancestor")
        return velpack::NewInfo({pkString, kSpelledName, nullptr, nullptr}, name, true,
                                ClassAncestor, remember);
    if (lower == "tag")
        return velpack::NewInfo({pkInteger, kSpelledName, nullptr, nullptr}, name, true,
                                velpack::SignedText(Tag), remember);
    return nullptr;
}

QPropInfo* QObject::GetPropInfo(std::string& name) {
    if (name.empty()) return nullptr;
    return ObjectPropInfo(name, true);
}

char* QObject::GetPropValue(std::string& name) {
    if (name.empty()) return nullptr;
    std::string lower = velpack::LowerCase(name);
    if (lower == "classname") return velpack::NewText(ClassName);
    if (lower == "classancestor") return velpack::NewText(ClassAncestor);
    if (lower == "tag") return velpack::NewText(velpack::SignedText(Tag));
    return nullptr;
}

bool QObject::SetPropValue(std::string& name, const char* value) {
    if (name.empty()) return false;
    std::string text = value ? value : "";
    std::string lower = velpack::LowerCase(name);
    if (lower == "classname") {
        ClassName = text;
        return true;
    }
    if (lower == "classancestor") {
        ClassAncestor = text;
        return true;
    }
    if (lower == "tag") {
        Tag = velpack::ReadRounded(text.c_str());
        return true;
    }
    return false;
}

bool QObject::IsA(const std::string& className) {
    return velpack::EqualsNoCase(className, ClassName) ||
           velpack::EqualsNoCase(className, "object");
}

QPersistent* QObject::Invoke(const std::string&) {
    return nullptr;
}
