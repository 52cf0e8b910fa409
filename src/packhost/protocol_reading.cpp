#include "packhost/protocol_reading.h"

namespace tavrin {

const char* EntryName(PackEntry entry) {
    switch (entry) {
        case PackEntry::Version: return packapi::kVersion;
        case PackEntry::Register: return packapi::kRegister;
        case PackEntry::GetPropList: return packapi::kGetPropList;
        case PackEntry::GetPropInfo: return packapi::kGetPropInfo;
        case PackEntry::GetPropValue: return packapi::kGetPropValue;
        case PackEntry::SetPropValue: return packapi::kSetPropValue;
    }
    return "";
}

std::optional<QPropKind> KnownKind(std::int32_t rawKind) {
    const auto lowByte = static_cast<std::int32_t>(static_cast<std::uint32_t>(rawKind) & 0xFF);
    for (QPropKind kind : {pkNone, pkInteger, pkString, pkBoolean, pkSet, pkEnumeration, pkObject,
                           pkEvent}) {
        if (kind == lowByte) return kind;
    }
    return std::nullopt;
}

RecordCopy CopyPropInfo(const QPropInfo& record, const PackTextReader& read) {
    RecordCopy copy;
    std::optional<QPropKind> kind = KnownKind(record.Kind);
    if (!kind) {
        copy.problem = "kind " + std::to_string(record.Kind) + " is not a property kind";
        return copy;
    }
    PropertyInfo info;
    info.kind = *kind;
    info.rawKind = record.Kind;
    struct Field {
        const char* text;
        std::optional<std::string>* copy;
        const char* name;
    };
    const Field fields[] = {{record.TypeName, &info.typeName, "type name"},
                            {record.Items, &info.items, "items"},
                            {record.Value, &info.value, "value"},
                            {record.Editor, &info.editor, "editor"}};
    for (const Field& field : fields) {
        if (!read(field.text, *field.copy)) {
            copy.problem = std::string("its ") + field.name + " field does not hold a readable text";
            return copy;
        }
    }
    copy.info = std::move(info);
    return copy;
}

}  // namespace tavrin
