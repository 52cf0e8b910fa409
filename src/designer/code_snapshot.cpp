#include "designer/code_snapshot.h"

#include <algorithm>

namespace tavrin {

CodeSnapshot TakeCodeSnapshot(const LineDocument& doc, const std::vector<LineTag>& objects) {
    CodeSnapshot snapshot;
    snapshot.text = doc.Text();
    snapshot.tags.reserve(static_cast<size_t>(doc.LineCount()));
    for (int i = 0; i < doc.LineCount(); ++i) {
        LineTag tag = doc.Tag(i);
        CodeSnapshot::Tag kept;
        auto found = tag ? std::find(objects.begin(), objects.end(), tag) : objects.end();
        if (found != objects.end()) kept.slot = static_cast<int>(found - objects.begin());
        else kept.raw = tag;
        snapshot.tags.push_back(kept);
    }
    return snapshot;
}

void RestoreCodeSnapshot(LineDocument& doc, const CodeSnapshot& snapshot, const std::vector<LineTag>& objects) {
    if (doc.Text() != snapshot.text) doc.SetText(snapshot.text);
    int lines = std::min(doc.LineCount(), static_cast<int>(snapshot.tags.size()));
    for (int i = 0; i < lines; ++i) {
        const CodeSnapshot::Tag& kept = snapshot.tags[static_cast<size_t>(i)];
        LineTag tag = kept.raw;
        if (kept.slot >= 0) tag = kept.slot < static_cast<int>(objects.size()) ? objects[static_cast<size_t>(kept.slot)] : nullptr;
        if (doc.Tag(i) != tag) doc.SetTag(i, tag);
    }
}

}  // namespace tavrin
