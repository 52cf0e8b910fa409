#include "search/find_in_files.h"

#include "common/file_search.h"
#include "common/platform_files.h"
#include "common/text.h"
#include "common/text_codec.h"
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

class FileSearcher {
public:
    FileSearcher(const FindInFilesQuery& query, const FindInFilesEvents& events)
        : matcher_({query.text, query.matchCase, query.wholeWord, query.regex}), events_(events) {}

    // Searches the file: in the editor of a page that shows it, in its kept
    // text while its stamp stays (with a cache), else read from disk. False
    // once the search is to stop.
    bool Search(const std::string& path, const FileStamp* stamp = nullptr, FileTextCache* cache = nullptr,
                const FolderFiles* folder = nullptr) {
        if (events_.keepGoing && !events_.keepGoing()) {
            summary_.stopped = true;
            return false;
        }
        // Asked after the messages ran: a page closed meanwhile is not used.
        if (SearchTarget* editor = events_.editorOf ? events_.editorOf(path) : nullptr) {
            Find(path, editor->Text(), editor);
            return true;
        }
        if (cache && stamp) {
            if (const std::string* kept = cache->Find(path, *stamp)) {
                Find(path, *kept, nullptr);
                return true;
            }
        }
        // The listing's size spares asking the system for it.
        long long listedSize = stamp ? static_cast<long long>(stamp->size) : -1;
        FileReadStatus read = folder ? folder->Read(path.substr(path.find_last_of("\\/") + 1), bytes_, listedSize)
                                     : ReadFileBytes(NativePath(path), bytes_, listedSize);
        if (read != FileReadStatus::Ok) return true;
        ++summary_.filesRead;
        std::string_view text = bytes_;
        // A file with a byte-order mark is searched as the editor shows it.
        if (MayStartWithByteOrderMark(bytes_)) {
            decoded_ = DecodeSourceBytes(bytes_).text;
            text = decoded_;
        }
        // The text moves into the cache (the next file gets new storage).
        if (cache && stamp && text.size() <= cache->LargestText())
            text = *cache->Keep(path, *stamp, text.data() == bytes_.data() ? std::move(bytes_) : std::move(decoded_));
        Find(path, text, nullptr);
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
    std::string bytes_, decoded_;  // the file's text; the storage serves every file
    FindInFilesSummary summary_;
};

}  // namespace

FindInFilesSummary FindInFiles(const FindInFilesQuery& query, const std::vector<std::string>& openFiles,
                               const FindInFilesEvents& events, FileTextCache* cache) {
    FileSearcher searcher(query, events);
    switch (query.place) {
    case SearchPlace::OpenFiles:
        for (const std::string& file : openFiles)
            if (IsExistingFile(file) && !searcher.Search(file)) break;
        break;
    case SearchPlace::Directory: {
        FolderWalk walk(query.folder, query.masks, query.subfolders);
        std::string folder;
        std::vector<std::string> files;
        std::vector<FileStamp> stamps;
        bool going = true;
        while (going && walk.Next(folder, files, &stamps)) {
            if (events.folder) events.folder(folder);
            if (files.empty()) continue;
            const FolderFiles folderFiles(folder);
            for (std::size_t i = 0; going && i < files.size(); ++i)
                going = searcher.Search(files[i], &stamps[i], cache, &folderFiles);
        }
        break;
    }
    case SearchPlace::ProjectFiles:
        if (events.projectFiles)
            for (const std::string& file : events.projectFiles())
                if (!searcher.Search(file)) break;
        break;
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
