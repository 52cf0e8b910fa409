// What Save, Save As, Close, Find and Compile act on: a code page, a dialog
// or a project.
#pragma once

#include <string>

namespace tavrin {

enum class DocumentKind { CodePage, Dialog, Project };

class TDocument {
public:
    virtual ~TDocument() = default;
    virtual DocumentKind Kind() const = 0;
    // The file behind the document (for a dialog: its code page's file).
    virtual std::string DocumentFile() const = 0;
};

}  // namespace tavrin
