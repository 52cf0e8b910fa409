// The errors of loading and calling a component pack. Each text names the pack
// file and the problem, so the error box that shows it says what to fix.
#pragma once

#include <string>

#include "common/commands.h"

namespace tavrin {

// What went wrong, for callers that treat the failures differently (a missing
// file is reported otherwise than a library without "REGISTER@0").
enum class PackFailure { FileMissing, NotLoadable, NotAPack, MissingEntry, BadRecord, UnreadableText };

class PackError : public CommandError {
public:
    PackError(PackFailure failure, const std::string& text) : CommandError(text), failure_(failure) {}
    PackFailure Failure() const { return failure_; }

private:
    PackFailure failure_;
};

PackError PackFileMissing(const std::string& path);
PackError PackNotLoadable(const std::string& path, unsigned long systemCode,
                          const std::string& systemText);
PackError NotAPack(const std::string& path);
PackError MissingEntry(const std::string& path, const char* entryName);
PackError BadRecord(const std::string& path, const std::string& property, const std::string& problem);
PackError UnreadableText(const std::string& path, const char* entryName);

}  // namespace tavrin
