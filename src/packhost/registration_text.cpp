#include "packhost/registration_text.h"

#include "common/text.h"

namespace tavrin {

namespace {

RegistrationLine ParseLine(const std::string& line) {
    std::string items = line;
    for (char& c : items)
        if (c == ',' || c == ':') c = '\n';
    RegistrationLine parsed;
    parsed.text = line;
    std::vector<std::string> parts = SplitLines(items);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string name(Trim(parts[i]));
        if (i == 0) {
            parsed.page = name;
            parsed.malformed = name.empty();
        } else if (name.empty()) {
            parsed.malformed = true;
        } else {
            parsed.classes.push_back(name);
        }
    }
    return parsed;
}

}  // namespace

std::vector<RegistrationLine> ParseRegistration(std::string_view text) {
    std::vector<RegistrationLine> lines;
    for (const std::string& line : SplitLines(text)) {
        if (Trim(line).empty()) continue;
        lines.push_back(ParseLine(line));
    }
    return lines;
}

}  // namespace tavrin
