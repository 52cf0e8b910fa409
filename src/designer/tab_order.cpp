#include "designer/tab_order.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "common/text.h"
#include "designer/word_split.h"

namespace tavrin {

namespace {

bool IsFieldLine(const std::string& line) {
    std::vector<std::string_view> words = SplitCodeWords(line);
    return words.size() >= 3 && EqualsNoCase(words[1], "as");
}

struct Line {
    std::string text;
    LineTag tag;
};

}  // namespace

void ReorderComponentLines(LineDocument& doc, const std::vector<LineTag>& order) {
    std::vector<int> fieldSlots, statementSlots;
    std::vector<std::vector<Line>> fields(order.size()), statements(order.size());
    for (int i = 0; i < doc.LineCount(); ++i) {
        auto at = std::find(order.begin(), order.end(), doc.Tag(i));
        if (!doc.Tag(i) || at == order.end()) continue;
        size_t object = static_cast<size_t>(at - order.begin());
        Line line{doc.Line(i), doc.Tag(i)};
        if (IsFieldLine(line.text)) {
            fieldSlots.push_back(i);
            fields[object].push_back(std::move(line));
        } else {
            statementSlots.push_back(i);
            statements[object].push_back(std::move(line));
        }
    }
    auto fill = [&](const std::vector<int>& slots, const std::vector<std::vector<Line>>& groups) {
        size_t slot = 0;
        for (const auto& group : groups)
            for (const Line& line : group) {
                int index = slots[slot++];
                if (doc.Line(index) != line.text) doc.SetLine(index, line.text);
                if (doc.Tag(index) != line.tag) doc.SetTag(index, line.tag);
            }
    };
    fill(fieldSlots, fields);
    fill(statementSlots, statements);
}

std::vector<size_t> ParentsBeforeChildren(const std::vector<int>& parentOf) {
    size_t count = parentOf.size();
    std::vector<size_t> order;
    std::vector<bool> placed(count, false);
    std::vector<std::vector<size_t>> waiting(count);  // items waiting for their parent
    std::function<void(size_t)> place = [&](size_t item) {
        if (placed[item]) return;
        placed[item] = true;
        order.push_back(item);
        for (size_t child : waiting[item]) place(child);
    };
    for (size_t item = 0; item < count; ++item) {
        int parent = parentOf[item];
        bool known = parent >= 0 && static_cast<size_t>(parent) < count && static_cast<size_t>(parent) != item;
        if (known && !placed[static_cast<size_t>(parent)]) waiting[static_cast<size_t>(parent)].push_back(item);
        else place(item);
    }
    // Items of a parent loop, which no design has, keep the order given.
    for (size_t item = 0; item < count; ++item) place(item);
    return order;
}

std::vector<size_t> ChosenToFrontOrBack(const std::vector<bool>& chosen, bool toFront) {
    std::vector<size_t> order;
    for (bool firstGroup : {true, false})
        for (size_t item = 0; item < chosen.size(); ++item)
            if ((chosen[item] == toFront) == firstGroup) order.push_back(item);
    return order;
}

}  // namespace tavrin
