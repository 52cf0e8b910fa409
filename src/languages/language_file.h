// Language files: 8-bit text of INI form, one block per window ("[name]"),
// each line "key=value" where the key is a property of the window or
// "component.property". The text is read as the bytes it holds, with the
// rules of the workbench's settings files: names and values trimmed, one pair
// of surrounding double quotes removed from a value, ";" starting a comment,
// the first of repeated blocks and keys counting. A line that is none of
// these (no "=", an empty key, a NUL byte, a "[" without "]") is skipped.
//
// A line break inside a text is written as the two characters "\n".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct LanguageEntry {
    std::string key;
    std::string value;  // with "\n" turned back into line breaks
};

struct LanguageSection {
    std::string name;
    std::vector<LanguageEntry> entries;  // each key once, in file order
};

struct LanguageFile {
    std::vector<LanguageSection> sections;  // each name once, in file order

    // The block of that name (without regard to case), or null.
    const LanguageSection* Find(std::string_view name) const;
};

LanguageFile ParseLanguageText(std::string_view text);
// A missing or unreadable file gives an empty language.
LanguageFile ReadLanguageFile(const std::string& path);

// A text as a language file's value: line breaks (CR LF, LF or CR) as "\n".
std::string EscapeLanguageValue(std::string_view text);
std::string UnescapeLanguageValue(std::string_view value);

}  // namespace tavrin
