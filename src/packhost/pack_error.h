// The errors of loading and calling a component pack. Each text names the pack
// file and the problem, so the error box that shows it says what to fix.
#pragma once

#include <string>

#include "common/commands.h"

namespace tavrin {

class PackError : public CommandError {
public:
    using CommandError::CommandError;
};

PackError PackFileMissing(const std::string& path);
PackError PackNotLoadable(const std::string& path, unsigned long systemCode,
                          const std::string& systemText);
PackError NotAPack(const std::string& path);
PackError MissingEntry(const std::string& path, const char* entryName);
PackError BadRecord(const std::string& path, const std::string& property, const std::string& problem);
PackError UnreadableText(const std::string& path, const char* entryName);

}  // namespace tavrin
