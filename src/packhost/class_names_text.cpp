#include "packhost/class_names_text.h"

namespace tavrin {

std::string JoinClassNames(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += names[i];
        if (i + 1 < names.size()) text += " ,";
        if (i % 5 == 0) text += '\n';
    }
    return text;
}

}  // namespace tavrin
