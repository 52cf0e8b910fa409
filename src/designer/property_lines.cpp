#include "designer/property_lines.h"

#include "common/text.h"
#include "designer/basic_strings.h"
#include "designer/word_split.h"

namespace tavrin {

std::string FormatPropertyLine(std::string_view object, std::string_view property, std::string_view value,
                               bool textKind) {
    std::string line = std::string(object) + "." + std::string(property) + "=";
    return line + (textKind ? QuoteBasicString(value) : std::string(value));
}

int FindPropertyLine(const LineDocument& doc, LineTag tag, std::string_view property) {
    if (!tag) return -1;
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        if (doc.Tag(i) != tag) continue;
        std::string line = doc.Line(i);
        std::vector<std::string_view> tokens = SplitPropertyTokens(line);
        if (tokens.size() >= 4 && tokens[1] == "." && EqualsNoCase(tokens[2], property) && tokens[3] == "=")
            return i;
    }
    return -1;
}

PropertyLineWrite WritePropertyLine(LineDocument& doc, const CodeObject& object, std::string_view property,
                                    std::string_view value, bool textKind) {
    if (!object.tag) return PropertyLineWrite::NotWritten;
    std::string text = FormatPropertyLine(object.name, property, value, textKind);
    int line = FindPropertyLine(doc, object.tag, property);
    if (line >= 0) {
        doc.SetLine(line, text);
        return PropertyLineWrite::Replaced;
    }
    int last = -1;
    for (int i = 0, count = doc.LineCount(); i < count; ++i)
        if (doc.Tag(i) == object.tag) last = i;
    if (last < 0) return PropertyLineWrite::NotWritten;
    doc.InsertLine(last + 1, text, object.tag);
    return PropertyLineWrite::Inserted;
}

}  // namespace tavrin
