// Find in files without the window: the files of the open pages, of a folder
// (masks, subfolders) or of the project, each searched in the text an editor
// shows for it or else in its file's text, one report line per occurrence,
// "Find in %s at line:%d" with the line counted from 1. The caller hears of
// each line and each folder as the search goes, and may stop it between two
// files.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_target.h"

namespace tavrin {

enum class SearchPlace { OpenFiles, Directory, ProjectFiles };

struct FindInFilesQuery {
    std::string text;
    bool wholeWord = false;
    bool matchCase = false;
    bool regex = false;
    SearchPlace place = SearchPlace::OpenFiles;
    std::string folder;             // the directory search's folder
    std::string masks = "*.*";      // ";"-separated
    bool subfolders = true;
};

struct FindInFilesEvents {
    std::function<void(const std::string& reportLine)> report;
    // A folder of the directory search is being searched.
    std::function<void(const std::string& folder)> folder;
    // Called before each file: lets pending window messages run; false stops the search.
    std::function<bool()> keepGoing;
    // The project's files ("In Project Files"); none while there is no project.
    std::function<std::vector<std::string>()> projectFiles;
    // The editor of the page that shows the file, if one does: it is searched
    // instead of the file and selects what is found. Asked after keepGoing,
    // so a page closed meanwhile is not used.
    std::function<SearchTarget*(const std::string& path)> editorOf;
};

struct FindInFilesSummary {
    int files = 0;        // files searched
    int filesRead = 0;    // of those, read from disk (the others: pages' editors, kept texts)
    int occurrences = 0;  // report lines
    bool stopped = false;
    bool passedOverLongLines = false;  // a regular expression skipped lines too long to match
};

class FileTextCache;

// Runs the search; openFiles: the files of the open pages ("All lOpened
// Files"). With a cache, a directory search takes the texts of unchanged
// files from it and keeps those it reads. Throws SearchPatternError for a
// regular expression that does not compile (before any file is read).
FindInFilesSummary FindInFiles(const FindInFilesQuery& query, const std::vector<std::string>& openFiles,
                               const FindInFilesEvents& events, FileTextCache* cache = nullptr);

// Paths compared as the system does: without case, "/" and "\\" alike.
bool SamePath(std::string_view a, std::string_view b);

// "Find in %s at line:%d"
std::string FindReportLine(const std::string& path, int line);

struct ReportPosition {
    std::string path;
    int line = 0;
};
// The file and line of a report line; none for any other line.
std::optional<ReportPosition> ParseFindReportLine(const std::string& text);

}  // namespace tavrin
