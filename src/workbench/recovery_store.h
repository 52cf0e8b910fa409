// The recovery folder of unsaved pages. Each running workbench writes the
// text of its unsaved code pages into a session folder of its own under the
// recovery root, holds a claim on that folder while it runs, and removes it
// at its clean end. A session folder that nobody claims belongs to a
// workbench that ended otherwise (a crash, a kill, a power cut): its pages
// are offered at the next start.
//
// A session folder, named "<yyyymmdd>-<hhmmss>-<process id>", holds:
//   session.lock      the claim of the workbench that writes here
//   page-<n>.txt      a page's text, byte for byte as the page would save it
//   page-<n>.ini      what the page was: [page] file=, caption=
//   crash-report.txt  the report of a fatal error, when there was one
//   error-report-<n>.txt  reports of unexpected errors the workbench survived
// A page's description is written before its first text (and again only
// when it changes), so that every text written has one; a description whose
// text was never written is skipped. The time of a copy is its text file's.
#pragma once

#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform_folders.h"

namespace tavrin {

struct RecoveryPageInfo {
    std::string fileName;  // the page's file; empty for a page never saved
    std::string caption;   // its tab text without the unsaved mark
    bool operator==(const RecoveryPageInfo&) const = default;
};

// "yyyy-mm-dd hh:mm:ss" in local time.
std::string LocalTimeText(std::time_t time);
// "yyyymmdd-hhmmss-<process id>".
std::string SessionName(std::time_t start, unsigned long processId);

// The session of the running workbench.
class RecoverySession {
public:
    RecoverySession(std::string root, const std::string& name);
    // Releases the claim and leaves the files: an end without Close is not a
    // clean one.
    ~RecoverySession() = default;

    const std::string& Folder() const { return folder_; }
    // Writes a page's text and description; the folder is made and claimed
    // at the first write. False when the text could not be written.
    bool WritePage(int id, const RecoveryPageInfo& info, std::string_view bytes);
    // Forgets a page: its files are removed.
    void RemovePage(int id);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Writes the report of an error beside the pages under that name; its
    // path, or empty when it could not be written.
    std::string WriteReport(std::string_view text, const std::string& name = "crash-report.txt");
    // The clean end: removes the pages, the claim and the folder.
    void Close();

private:
    bool Start();

    std::string root_;
    std::string folder_;
    FileClaim claim_;
    std::map<int, RecoveryPageInfo> pages_;  // as their descriptions say
};

struct RecoveredPage {
    std::string textFile;
    std::string infoFile;
    RecoveryPageInfo info;
    std::string time;  // when its text was last written (LocalTimeText)
    unsigned long long size = 0;  // of the text, in bytes
    // The file name without folder, or the caption of a page never saved.
    std::string DisplayName() const;
};

// The pages of a session folder that nobody else claims; the claim is held
// by this object while it lives, so that no other workbench offers them too.
class RecoveredSession {
public:
    std::string folder;
    std::vector<RecoveredPage> pages;  // in the order the pages were first written
    FileClaim claim;

    // Removes the files of a page (restored or discarded).
    void Forget(const RecoveredPage& page);
    // Gives the folder up: the claim is dropped, and the folder removed when
    // nothing but the claim file is left in it (a crash report stays).
    void Finish();
};

// The session folders under root that no running workbench claims and that
// hold pages, oldest first, each claimed for the caller. Unclaimed folders
// without pages or report are removed on the way.
std::vector<RecoveredSession> FindRecoveredSessions(const std::string& root);

}  // namespace tavrin
