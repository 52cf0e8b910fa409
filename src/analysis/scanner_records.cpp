#include "analysis/scanner_records.h"

namespace tavrin {

namespace {
const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}
}  // namespace

const std::string& TField::FileName() const { return fileName_ ? *fileName_ : EmptyText(); }

void TField::SetFileName(std::string fileName) {
    fileName_ = std::make_shared<const std::string>(std::move(fileName));
}

void TField::ShareFileName(const std::shared_ptr<const std::string>& fileName) {
    fileName_ = fileName;
}

void TField::SetName(std::string name) {
    if (name == name_) return;
    name_ = std::move(name);
    if (onNameChanged) onNameChanged(*this);
}

std::vector<std::string> NamesOf(const FieldList& list) {
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const auto& record : list) names.push_back(record ? record->Name() : std::string());
    return names;
}

}  // namespace tavrin
