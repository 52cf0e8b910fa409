// A line document that counts how often its lines are read: tests that a
// reader or writer passes over a page a fixed number of times, not once per
// object.
#pragma once

#include <string>

#include "editor/line_document.h"

namespace tavrin {

class CountingDocument : public VectorLineDocument {
public:
    std::string Line(int index) const override {
        ++reads;
        return VectorLineDocument::Line(index);
    }
    mutable long long reads = 0;
};

}  // namespace tavrin
