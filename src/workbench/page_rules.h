// Rules of code pages and their file commands that need no window: the
// caption's unsaved mark, unnamed-page numbering, the box filters, the Save As
// and export extension rules, the close question, the read-only message, MRU
// item captions and file kinds.
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
inline constexpr const char* kExportRtfFilter = "Rich Text Format (*.rtf)|*.rtf|All files (*.*)|*.*";
inline constexpr const char* kExportHtmlFilter = "HTML document (*.html)|*.html;*.htm|All files (*.*)|*.*";

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

// Export: the extension of the first filter replaces the chosen name's; any
// other filter keeps the name as chosen.
std::string ExportTarget(const std::string& chosen, int filterIndex, const std::string& extension);

// "The %s page was modified.\nDo you want to Save it?"
std::string CloseQuestion(const std::string& name);
// Why a file is not written over: "%s\nThis file is set to read-only.\nTry
// again with a different file name."
std::string ReadOnlyMessage(const std::string& path);
// "Cannot create file \"%s\". The file was not changed."
std::string CannotWriteMessage(const std::string& path);
// "Except, on %s"
std::string OpenFailureLine(const std::string& path);

// The caption of a menu item that shows the path: every "&" doubled, so that
// the menu shows it instead of taking it for an accelerator mark.
std::string MenuCaptionOfPath(std::string_view path);

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
