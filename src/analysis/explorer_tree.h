// The code explorer as the scanner sees it: a tree of text nodes, each node
// carrying what a click on it needs. The Win32 layer implements it over a tree
// view control; ExplorerTreeModel (explorer_tree_model.h) keeps it in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "analysis/scanner_records.h"

namespace tavrin {

// What a node stands for.
struct ExplorerNodeData {
    enum class Kind { None, Category, Symbol };
    Kind kind = Kind::None;
    // Category roots: the category's list of records (a click lists their names).
    std::shared_ptr<const FieldList> category;
    // Symbol nodes: the record (a click moves the caret to its Line).
    std::shared_ptr<TField> symbol;

    static ExplorerNodeData Category(std::shared_ptr<const FieldList> list);
    static ExplorerNodeData Symbol(std::shared_ptr<TField> record);
};

class ExplorerTree {
public:
    using NodeId = std::uintptr_t;
    static constexpr NodeId kNoParent = 0;  // AddNode's parent for a top-level node

    virtual ~ExplorerTree() = default;
    // Bracket a rebuild so a control can suspend redrawing.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    virtual void Clear() = 0;
    // Adds a node as the last child of parent (kNoParent: at the top level) and
    // returns its id, which is never kNoParent.
    virtual NodeId AddNode(NodeId parent, const std::string& text, ExplorerNodeData data) = 0;
    virtual void ExpandAll() = 0;
};

// Text a click on a category root shows: the category's names, one per line.
std::string CategoryNamesText(const FieldList& category);

}  // namespace tavrin
