#include "search/find_in_files.h"

#include <deque>

#include "common/file_search.h"
#include "common/string_list.h"
#include "common/text.h"
#include "common/text_codec.h"
#include "search/file_read_ahead.h"
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

    // Searches the file (its bytes as read, unless a page shows it); false
    // once the search is to stop.
    bool Search(const std::string& path, const std::string& bytes, FileReadStatus status) {
        if (!KeepGoing()) return false;
        if (SearchTarget* editor = EditorOf(path)) Find(path, editor->Text(), editor);
        else SearchBytes(path, bytes, status);
        return true;
    }

    // The same for a file read now, unless a page shows it.
    bool SearchReadingNow(const std::string& path) {
        if (!KeepGoing()) return false;
        if (SearchTarget* editor = EditorOf(path)) Find(path, editor->Text(), editor);
        else SearchBytes(path, bytes_, ReadWholeFile(NativePath(path), bytes_));
        return true;
    }

    FindInFilesSummary Summary() const {
        FindInFilesSummary summary = summary_;
        summary.passedOverLongLines = matcher_.PassedOverLongLines();
        return summary;
    }

private:
    bool KeepGoing() {
        if (events_.keepGoing && !events_.keepGoing()) summary_.stopped = true;
        return !summary_.stopped;
    }

    // Asked after the messages ran: a page closed meanwhile is not used.
    SearchTarget* EditorOf(const std::string& path) const { return events_.editorOf ? events_.editorOf(path) : nullptr; }

    void SearchBytes(const std::string& path, const std::string& bytes, FileReadStatus status) {
        if (status != FileReadStatus::Ok) return;
        std::string_view text = bytes;
        // A file with a byte-order mark is searched as the editor shows it.
        if (MayStartWithByteOrderMark(bytes)) {
            decoded_ = DecodeSourceBytes(bytes).text;
            text = decoded_;
        }
        Find(path, text, nullptr);
    }

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
    std::string bytes_, decoded_;  // storage that serves every file
    FindInFilesSummary summary_;
};

// Files searched in order while helpers read them ahead. With a folder walk,
// the next folders are walked while few files are pending, and the folder
// event comes when the search reaches a folder's first file.
void SearchAhead(FileSearcher& searcher, const std::vector<std::string>& list, FolderWalk* walk,
                 const FindInFilesEvents& events) {
    constexpr std::size_t kWalkedAhead = 64;
    FileReadAhead ahead;
    std::deque<std::string> folders;  // the folder of each pending file ("" in a list)
    ahead.Add(list);
    folders.resize(list.size());
    auto walkOn = [&] {
        std::string folder;
        std::vector<std::string> files;
        while (walk && ahead.Pending() < kWalkedAhead && walk->Next(folder, files)) {
            ahead.Add(files);
            folders.insert(folders.end(), files.size(), folder);
        }
    };
    walkOn();
    std::string path, bytes, shownFolder;
    FileReadStatus status = FileReadStatus::Failed;
    while (ahead.Next(path, bytes, status)) {
        std::string folder = std::move(folders.front());
        folders.pop_front();
        if (!folder.empty() && folder != shownFolder && events.folder) events.folder(shownFolder = folder);
        if (!searcher.Search(path, bytes, status)) return;
        walkOn();
    }
}

}  // namespace

FindInFilesSummary FindInFiles(const FindInFilesQuery& query, const std::vector<std::string>& openFiles,
                               const FindInFilesEvents& events) {
    FileSearcher searcher(query, events);
    switch (query.place) {
    case SearchPlace::OpenFiles:
        for (const std::string& file : openFiles)
            if (IsExistingFile(file) && !searcher.SearchReadingNow(file)) break;
        break;
    case SearchPlace::Directory: {
        FolderWalk walk(query.folder, query.masks, query.subfolders);
        SearchAhead(searcher, {}, &walk, events);
        break;
    }
    case SearchPlace::ProjectFiles:
        if (events.projectFiles) SearchAhead(searcher, events.projectFiles(), nullptr, events);
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
