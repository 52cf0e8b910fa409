#include "search/find_in_files.h"

#include <memory>

#include "common/file_search.h"
#include "common/string_list.h"
#include "common/text.h"
#include "common/text_codec.h"
#include "search/file_read_ahead.h"
#include "search/file_text_cache.h"
#include "search/folder_walk.h"
#include "search/text_matcher.h"

namespace tavrin {

namespace {

constexpr std::string_view kReportStart = "Find in ";
constexpr std::string_view kReportLine = " at line:";

// Byte-order marks start with one of these bytes; any other file is 8-bit
// text that the editor shows as it is.
bool MayStartWithByteOrderMark(std::string_view bytes) {
    if (bytes.size() < 2) return false;
    unsigned char first = static_cast<unsigned char>(bytes[0]);
    return first == 0xEF || first == 0xFF || first == 0xFE || first == 0x00;
}

// How long the search waits for a file being read before it lets window
// messages run again.
constexpr unsigned kWaitForFileMs = 20;

class FileSearcher {
public:
    FileSearcher(const FindInFilesQuery& query, const FindInFilesEvents& events)
        : matcher_({query.text, query.matchCase, query.wholeWord, query.regex}), events_(events) {}

    // Lets window messages run; false once the search is to stop.
    bool KeepGoing() {
        if (events_.keepGoing && !events_.keepGoing()) summary_.stopped = true;
        return !summary_.stopped;
    }

    // Searches the file taken from the reading: in the editor of a page that
    // shows it, else in its text kept by the cache (when it was listed as
    // kept), else in the bytes read; a directory search's texts go into the
    // cache. False once the search is to stop.
    bool Search(AheadItem& item, FileTextCache* cache) {
        if (!KeepGoing()) return false;
        const std::string& path = item.file.path;
        // Asked after the messages ran: a page closed meanwhile is not used.
        if (SearchTarget* editor = events_.editorOf ? events_.editorOf(path) : nullptr) {
            Find(path, editor->Text(), editor);
            return true;
        }
        if (!item.file.read) {
            if (const std::string* kept = cache ? cache->Find(path, item.file.stamp) : nullptr) {
                Find(path, *kept, nullptr);
                return true;
            }
            item.status = ReadFileBytes(NativePath(path), item.bytes);  // no longer kept
        }
        if (item.status != FileReadStatus::Ok) return true;
        ++summary_.filesRead;
        std::string* text = &item.bytes;
        // A file with a byte-order mark is searched as the editor shows it.
        if (MayStartWithByteOrderMark(item.bytes)) {
            decoded_ = DecodeSourceBytes(item.bytes).text;
            text = &decoded_;
        }
        if (cache && text->size() <= cache->LargestText()) {
            Find(path, *cache->Keep(path, item.file.stamp, std::move(*text)), nullptr);
            return true;
        }
        Find(path, *text, nullptr);
        return true;
    }

    FindInFilesSummary Summary() const {
        FindInFilesSummary summary = summary_;
        summary.passedOverLongLines = matcher_.PassedOverLongLines();
        return summary;
    }

private:
    void Find(const std::string& path, std::string_view text, SearchTarget* editor) {
        ++summary_.files;
        std::size_t counted = 0, line = 1;
        TextMatch last;
        for (TextMatch match = matcher_.Next(text); match.Found(); match = matcher_.Next(text, match.End())) {
            line += CountLineBreaks(text, counted, match.start);
            counted = match.start;
            ++summary_.occurrences;
            if (events_.report) events_.report(FindReportLine(path, static_cast<int>(line)));
            last = match;
        }
        if (editor && last.Found()) editor->Select(last.start, last.End());
    }

    TextMatcher matcher_;
    const FindInFilesEvents& events_;
    std::string decoded_;  // a file's text decoded from its byte-order mark
    FindInFilesSummary summary_;
};

// The files to search, for the reading threads: the open pages' files that
// exist, the project's files, or a folder walk (files whose text the cache
// keeps unchanged are not read again).
FileReadAhead::Source FilesToSearch(const FindInFilesQuery& query, const std::vector<std::string>& openFiles,
                                    const FindInFilesEvents& events, FileTextCache* cache) {
    auto once = [](std::vector<std::string> paths, bool onlyExisting) {
        return [paths = std::move(paths), onlyExisting, given = false](AheadPortion& portion) mutable {
            if (given) return false;
            given = true;
            for (std::string& path : paths)
                if (!onlyExisting || IsExistingFile(path)) portion.files.push_back({std::move(path), {}, true});
            return true;
        };
    };
    switch (query.place) {
    case SearchPlace::OpenFiles: return once(openFiles, true);
    case SearchPlace::ProjectFiles:
        return once(events.projectFiles ? events.projectFiles() : std::vector<std::string>(), false);
    case SearchPlace::Directory: break;
    }
    auto walk = std::make_shared<FolderWalk>(query.folder, query.masks, query.subfolders);
    return [walk, cache, paths = std::vector<std::string>(), stamps = std::vector<FileStamp>()](
               AheadPortion& portion) mutable {
        if (!walk->Next(portion.folder, paths, &stamps)) return false;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            bool kept = cache && cache->Find(paths[i], stamps[i]);
            portion.files.push_back({std::move(paths[i]), stamps[i], !kept});
        }
        return true;
    };
}

}  // namespace

FindInFilesSummary FindInFiles(const FindInFilesQuery& query, const std::vector<std::string>& openFiles,
                               const FindInFilesEvents& events, FileTextCache* cache) {
    FileSearcher searcher(query, events);
    if (query.place != SearchPlace::Directory) cache = nullptr;  // only a folder listing gives stamps
    FileReadAhead reading(FilesToSearch(query, openFiles, events, cache));
    AheadItem item;
    while (true) {
        FileReadAhead::Taken taken = reading.Next(item, kWaitForFileMs);
        if (taken == FileReadAhead::Taken::End) break;
        if (taken == FileReadAhead::Taken::NotYet) {
            if (!searcher.KeepGoing()) break;
            continue;
        }
        if (item.startsFolder) {
            if (events.folder) events.folder(item.folder);
            continue;
        }
        if (!searcher.Search(item, cache)) break;
        reading.GiveBack(std::move(item.bytes));
    }
    return searcher.Summary();
}

bool SamePath(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] == '/' ? '\\' : a[i], y = b[i] == '/' ? '\\' : b[i];
        if (AsciiLower(x) != AsciiLower(y)) return false;
    }
    return true;
}

std::string FindReportLine(const std::string& path, int line) {
    return std::string(kReportStart) + path + std::string(kReportLine) + std::to_string(line);
}

std::optional<ReportPosition> ParseFindReportLine(const std::string& text) {
    std::string_view line = text;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (line.substr(0, kReportStart.size()) != kReportStart) return std::nullopt;
    std::size_t at = line.rfind(kReportLine);
    if (at == std::string_view::npos || at < kReportStart.size()) return std::nullopt;
    long long number = 0;
    if (!ParseInt(line.substr(at + kReportLine.size()), number) || number < 1 || number > 0x7fffffff)
        return std::nullopt;
    ReportPosition position;
    position.path = std::string(line.substr(kReportStart.size(), at - kReportStart.size()));
    position.line = static_cast<int>(number);
    if (position.path.empty()) return std::nullopt;
    return position;
}

}  // namespace tavrin
