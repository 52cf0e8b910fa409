// The list of class names that the pack loader's report and the palette's
// removal question show: the names joined by " ," with a line break after
// the 1st, 6th, 11th ... name, so that long lists wrap every five names.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

std::string JoinClassNames(const std::vector<std::string>& names);

}  // namespace tavrin
