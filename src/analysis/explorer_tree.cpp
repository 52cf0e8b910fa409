#include "analysis/explorer_tree.h"

namespace tavrin {

ExplorerNodeData ExplorerNodeData::Category(std::shared_ptr<const FieldList> list) {
    ExplorerNodeData data;
    data.kind = Kind::Category;
    data.category = std::move(list);
    return data;
}

ExplorerNodeData ExplorerNodeData::Symbol(std::shared_ptr<TField> record) {
    ExplorerNodeData data;
    data.kind = Kind::Symbol;
    data.symbol = std::move(record);
    return data;
}

std::string CategoryNamesText(const FieldList& category) {
    std::string text;
    for (size_t i = 0; i < category.size(); ++i) {
        if (i) text += '\n';
        if (category[i]) text += category[i]->Name();
    }
    return text;
}

}  // namespace tavrin
