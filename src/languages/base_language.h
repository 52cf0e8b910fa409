// The base file and applying a language: the lines of "Base.txt" written from
// the windows' base texts, and a language file's lines set on the windows and
// components they name.
#pragma once

#include <string>
#include <vector>

#include "languages/language_file.h"
#include "languages/published_windows.h"

namespace tavrin {

// One block per window, in the given order: "[name]", "caption=", "hint=",
// then "component.caption=", ".text=" and ".hint=" lines by the rules of the
// base file (no caption line for tool bars, tool buttons and panels, no hint
// line for menu items and tool button separators, no empty texts).
std::vector<std::string> BaseLanguageLines(const std::vector<PublishedWindow>& windows);

// The base lines with more lines added: a block of a window already there
// (same name without regard to case) gets the lines of keys it lacks at its
// end, other blocks follow in their order.
std::vector<std::string> MergeBaseLines(std::vector<std::string> lines, const std::vector<std::string>& more);

struct AppliedLines {
    int applied = 0;  // lines that set a property
    int ignored = 0;  // lines naming no component or property, or with a value of the wrong kind
};

// Sets the lines of the window's block (looked up by the window's name
// without regard to case) on the window and its components.
AppliedLines ApplyLanguageTo(const LanguageFile& language, const PublishedWindow& window);
// Puts back the base texts (caption, text, hint) of the window and its
// components where they differ; returns how many it put back.
int RestoreBaseTexts(const PublishedWindow& window);

// The same for every window; blocks of windows that do not exist change nothing.
AppliedLines ApplyLanguage(const LanguageFile& language, const std::vector<PublishedWindow>& windows);

}  // namespace tavrin
