#include "packhost/pack_library.h"

#include "common/text.h"
#include "packhost/pack_error.h"
#include "packhost/protocol_reading.h"
#include "packhost/readable_memory.h"

namespace tavrin {

namespace {

std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 4] = {};
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

bool FileMissing(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The system's text for an error code, without its line break; "%1" (the file
// in load errors) is filled with the path.
std::string SystemErrorText(DWORD code, const std::string& path) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  code, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    for (std::size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + path.size())) {
        text.replace(at, 2, path);
    }
    return text;
}

// Loads without the system's error boxes; a failing library start-up or a file
// that is no library gives PackError.
HMODULE LoadQuietly(const std::string& path) {
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    DWORD error = GetLastError();
    SetThreadErrorMode(previousMode, nullptr);
    if (!module) throw PackNotLoadable(path, error, SystemErrorText(error, path));
    return module;
}

}  // namespace

bool PackEntryPoints::Has(PackEntry entry) const {
    switch (entry) {
        case PackEntry::Version: return version != nullptr;
        case PackEntry::Register: return registerClasses != nullptr;
        case PackEntry::GetPropList: return getPropList != nullptr;
        case PackEntry::GetPropInfo: return getPropInfo != nullptr;
        case PackEntry::GetPropValue: return getPropValue != nullptr;
        case PackEntry::SetPropValue: return setPropValue != nullptr;
    }
    return false;
}

PackLibrary::PackLibrary(const std::string& path) : path_(FullPath(path)) {
    if (FileMissing(path_)) throw PackFileMissing(path_);
    module_ = LoadQuietly(path_);
    BindEntryPoints();
    bool anyEntry = false;
    for (PackEntry entry : kPackEntries) anyEntry = anyEntry || entries_.Has(entry);
    if (!anyEntry) throw NotAPack(path_);
    if (!entries_.Has(PackEntry::Register)) throw MissingEntry(path_, packapi::kRegister);
}

void PackLibrary::BindEntryPoints() {
    entries_.version = ExportAs<packapi::VersionFn>(packapi::kVersion);
    entries_.registerClasses = ExportAs<packapi::RegisterFn>(packapi::kRegister);
    entries_.getPropList = ExportAs<packapi::GetPropListFn>(packapi::kGetPropList);
    entries_.getPropInfo = ExportAs<packapi::GetPropInfoFn>(packapi::kGetPropInfo);
    entries_.getPropValue = ExportAs<packapi::GetPropValueFn>(packapi::kGetPropValue);
    entries_.setPropValue = ExportAs<packapi::SetPropValueFn>(packapi::kSetPropValue);
}

void* PackLibrary::Export(const char* name) const {
    if (!name || !*name) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(module_, name));
}

template <class Function>
Function PackLibrary::Require(Function function, PackEntry entry) const {
    if (!function) throw MissingEntry(path_, EntryName(entry));
    return function;
}

std::optional<std::string> PackLibrary::CopyText(const char* text, PackEntry entry) const {
    std::optional<std::string> copy;
    if (!ReadZeroTerminated(text, copy)) throw UnreadableText(path_, EntryName(entry));
    return copy;
}

std::optional<std::string> PackLibrary::RegistrationText() {
    return CopyText(Require(entries_.registerClasses, PackEntry::Register)(), PackEntry::Register);
}

std::optional<std::string> PackLibrary::VersionText() {
    return CopyText(Require(entries_.version, PackEntry::Version)(), PackEntry::Version);
}

std::vector<std::string> PackLibrary::PropertyNames(PackObject object) {
    auto getPropList = Require(entries_.getPropList, PackEntry::GetPropList);
    std::optional<std::string> list = CopyText(getPropList(object), PackEntry::GetPropList);
    return list ? SplitLines(*list) : std::vector<std::string>{};
}

std::optional<PropertyInfo> PackLibrary::PropertyInfoOf(PackObject object, const std::string& name) {
    auto getPropInfo = Require(entries_.getPropInfo, PackEntry::GetPropInfo);
    std::string argument = name;  // the pack may cut the name it is given
    const QPropInfo* record = getPropInfo(object, argument.c_str());
    if (!record) return std::nullopt;
    if (!IsReadableBlock(record, sizeof *record)) {
        throw BadRecord(path_, name, "it lies outside readable memory");
    }
    RecordCopy copy = CopyPropInfo(*record, ReadZeroTerminated);
    if (!copy.info) throw BadRecord(path_, name, copy.problem);
    return copy.info;
}

std::optional<std::string> PackLibrary::PropertyValue(PackObject object, const std::string& name) {
    auto getPropValue = Require(entries_.getPropValue, PackEntry::GetPropValue);
    std::string argument = name;
    return CopyText(getPropValue(object, argument.c_str()), PackEntry::GetPropValue);
}

bool PackLibrary::SetPropertyValue(PackObject object, const std::string& name,
                                   const std::string& value) {
    auto setPropValue = Require(entries_.setPropValue, PackEntry::SetPropValue);
    std::string nameArgument = name, valueArgument = value;
    // The pack answers in the low byte only.
    return (setPropValue(object, nameArgument.c_str(), valueArgument.c_str()) & 0xFF) != 0;
}

}  // namespace tavrin
