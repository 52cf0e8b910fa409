// Reading the registration text of a pack: lines of the form
// "Page:Class,Class,...", each naming a palette page and the classes to put
// on it. Commas and colons both separate items, so a line without a colon
// takes its first class name as the page name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct RegistrationLine {
    std::string text;                  // the line as the pack wrote it
    std::string page;                  // empty when the line names no page
    std::vector<std::string> classes;  // in line order, blanks around each name removed
    // The line has an empty page name or an empty class name between separators;
    // what it does name is still listed.
    bool malformed = false;
};

// The lines of the text; blank lines are left out.
std::vector<RegistrationLine> ParseRegistration(std::string_view text);

}  // namespace tavrin
