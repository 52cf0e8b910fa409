// Rules of code pages and their file commands that need no window: the
// caption's unsaved mark, unnamed-page numbering, the box filters, the Save As
// extension rule, the close question, MRU item captions and file kinds.
#pragma once

#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace tavrin {

inline constexpr const char* kOpenFilesFilter =
    "All Supported Files (*.bas,*.bi,*.inc,*.olf,*.opj,*.opk,*.ocu)|*.bas;*.bi;*.inc;*.olf;*.opj;"
    "*.opk;*.ocu|FreeBasic Code File (*.bas)|*.bas|FreeBasic Header File (*.bi)|*.bi|FreeBasic "
    "Include File (*.inc)|*.inc|FreeBasic Project File (*.opj)|*.opj|FreeBasic Package File "
    "(*.opk)|*.opk|FreeBasic Form File (*.olf)|*.olf|All File 9*.*)|*.*";
inline constexpr const char* kSaveAsFilter =
    "FreeBasic code (*.bas)|*.bas|FreeBasic header (*.bi)|*.bi|All files (*.*)|*.*";

// Counters that only grow during a run.
struct PageCounters {
    int unnamedPages = 0;
    int dialogs = 0;  // DialogCounter
};
PageCounters& Counters();

// Left by a code page's Close: true when the user answered Cancel.
bool& CloseCancelled();

// Takes the next number and returns "noname%d".
std::string NextUnnamedCaption();

// Saved: removes a leading "*". Unsaved: puts "*" in front unless the caption
// holds one anywhere.
std::string CaptionWithSavedMark(const std::string& caption, bool saved);
// The caption without its first "*".
std::string CaptionWithoutMark(const std::string& caption);

// Save As: ".bas" for the first filter, ".bi" for the second, the name as
// chosen for any other.
std::string SaveAsTarget(const std::string& chosen, int filterIndex);

// "The %s page was modified.\nDo you want to Save it?"
std::string CloseQuestion(const std::string& name);
// "Except, on %s"
std::string OpenFailureLine(const std::string& path);

// An MRU item's caption without its first "&".
std::string MRUItemPath(std::string caption);

// Files whose exported names are listed when they are opened.
bool ListsExports(std::string_view path);

enum class FileKind { Plain, Project, ComponentUnit };

// Words of each line split at blanks; after the first "#define" (any case) the
// next word decides: "project" or "ocu"; the last deciding line wins.
FileKind DetectFileKindOfText(std::string_view text);
// Reads and decodes a whole source file; throws CommandError when it cannot be read.
DecodedText ReadSourceFile(const std::string& path);
// Reads the file (any encoding); throws CommandError when it cannot be read.
FileKind DetectFileKind(const std::string& path);

}  // namespace tavrin
