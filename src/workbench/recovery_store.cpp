#include "workbench/recovery_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "common/file_checks.h"
#include "common/file_replace.h"
#include "common/file_search.h"
#include "common/ini_file.h"
#include "common/paths.h"
#include "common/platform_files.h"
#include "common/platform_folders.h"

namespace tavrin {

namespace {

constexpr const char* kClaimFile = "session.lock";
constexpr std::string_view kPagePrefix = "page-";
constexpr std::string_view kInfoExtension = ".ini";
constexpr std::string_view kTextExtension = ".txt";
constexpr int kRemoveAttempts = 5;

// Removes a file that another program (a virus scanner, a backup) may hold
// open for a moment; true when it is gone.
bool RemoveSoon(const std::string& path) {
    for (int attempt = 0; attempt < kRemoveAttempts; ++attempt) {
        if (RemoveFile(path) || !FileExists(NativePath(path))) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::string PageFile(const std::string& folder, int id, std::string_view extension) {
    return JoinPath(folder, std::string(kPagePrefix) + std::to_string(id) + std::string(extension));
}

std::string InfoText(const RecoveryPageInfo& info) {
    return "[page]\r\nfile=" + info.fileName + "\r\ncaption=" + info.caption + "\r\n";
}

// The page number of a description file's name ("page-12.ini"), or -1.
int PageIdOf(const std::string& name) {
    if (name.size() <= kPagePrefix.size() + kInfoExtension.size()) return -1;
    if (name.compare(0, kPagePrefix.size(), kPagePrefix) != 0) return -1;
    if (name.compare(name.size() - kInfoExtension.size(), kInfoExtension.size(), kInfoExtension) != 0) return -1;
    std::string digits = name.substr(kPagePrefix.size(), name.size() - kPagePrefix.size() - kInfoExtension.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::atoi(digits.c_str());
}

struct FolderContent {
    std::vector<std::string> files, folders;
};

FolderContent ListFolder(const std::string& folder) {
    FolderContent content;
    ListFolderEntries(NativePath(folder), content.files, content.folders);
    return content;
}

std::vector<RecoveredPage> PagesIn(const std::string& folder, const std::vector<std::string>& files) {
    std::vector<std::pair<int, RecoveredPage>> found;
    for (const std::string& name : files) {
        int id = PageIdOf(name);
        if (id < 0) continue;
        RecoveredPage page;
        page.infoFile = JoinPath(folder, name);
        page.textFile = PageFile(folder, id, kTextExtension);
        if (!FileExists(NativePath(page.textFile))) continue;  // its text was never written
        IniFile info(NativePath(page.infoFile));
        page.info.fileName = info.ReadString("page", "file", "");
        page.info.caption = info.ReadString("page", "caption", "");
        page.time = LocalTimeText(FileModifiedTime(NativePath(page.textFile)));
        page.size = FileSizeBytes(NativePath(page.textFile));
        found.emplace_back(id, std::move(page));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RecoveredPage> pages;
    for (auto& entry : found) pages.push_back(std::move(entry.second));
    return pages;
}

bool EndsWith(const std::string& name, std::string_view end) {
    return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}

// What a page's write or removal can leave behind when it is cut short: a
// temporary file, a text whose description is gone, a description whose
// text never came.
bool IsLeftOver(const std::string& name, const std::vector<std::string>& names) {
    if (name.compare(0, kPagePrefix.size(), kPagePrefix) != 0) return false;
    if (EndsWith(name, ".tmp")) return true;
    auto partner = [&](std::string_view from, std::string_view to) {
        std::string other = name.substr(0, name.size() - from.size()) + std::string(to);
        return std::find(names.begin(), names.end(), other) != names.end();
    };
    if (EndsWith(name, kTextExtension)) return !partner(kTextExtension, kInfoExtension);
    if (EndsWith(name, kInfoExtension)) return !partner(kInfoExtension, kTextExtension);
    return false;
}

// Drops the claim and its file, and the folder when nothing but left-overs
// of page writes is in it besides (the caller held the claim).
void RemoveClaimAndFolder(const std::string& folder, FileClaim& claim) {
    FolderContent content = ListFolder(folder);
    bool nothingElse = content.folders.empty() &&
                       std::all_of(content.files.begin(), content.files.end(), [&](const std::string& name) {
                           return name == kClaimFile || IsLeftOver(name, content.files);
                       });
    claim.Release();
    RemoveFile(JoinPath(folder, kClaimFile));
    if (!nothingElse) return;
    for (const std::string& name : content.files) RemoveFile(JoinPath(folder, name));
    RemoveEmptyFolder(folder);
}

}  // namespace

std::string LocalTimeText(std::time_t time) {
    std::tm* local = std::localtime(&time);
    if (!local) return {};
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
    return text;
}

std::string SessionName(std::time_t start, unsigned long processId) {
    std::tm* local = std::localtime(&start);
    char stamp[32] = "00000000-000000";
    if (local) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
    return std::string(stamp) + "-" + std::to_string(processId);
}

RecoverySession::RecoverySession(std::string root, const std::string& name)
    : root_(std::move(root)), folder_(JoinPath(root_, name)) {}

bool RecoverySession::Start() {
    if (claim_.Held()) return true;
    if (!CreateFolders(folder_)) return false;
    claim_ = FileClaim(NativePath(JoinPath(folder_, kClaimFile)));
    return claim_.Held();
}

bool RecoverySession::WritePage(int id, const RecoveryPageInfo& info, std::string_view bytes) {
    if (!Start()) return false;
    auto known = pages_.find(id);
    if (known == pages_.end() || !(known->second == info)) {
        if (!WriteFileReplacing(NativePath(PageFile(folder_, id, kInfoExtension)), InfoText(info))) return false;
        pages_[id] = info;
    }
    return WriteFileReplacing(NativePath(PageFile(folder_, id, kTextExtension)), bytes);
}

void RecoverySession::RemovePage(int id) {
    if (!pages_.erase(id)) return;
    // The description first: a text left without one is never offered.
    RemoveSoon(PageFile(folder_, id, kInfoExtension));
    RemoveSoon(PageFile(folder_, id, kTextExtension));
}

std::string RecoverySession::WriteReport(std::string_view text, const std::string& name) {
    if (!Start()) return {};
    std::string path = JoinPath(folder_, name);
    return WriteFileReplacing(NativePath(path), text) ? path : std::string();
}

void RecoverySession::Close() {
    while (!pages_.empty()) RemovePage(pages_.begin()->first);
    if (!claim_.Held()) return;
    RemoveClaimAndFolder(folder_, claim_);
}

std::string RecoveredPage::DisplayName() const {
    return info.fileName.empty() ? info.caption : ExtractFileName(info.fileName);
}

void RecoveredSession::Forget(const RecoveredPage& page) {
    RemoveSoon(page.infoFile);
    RemoveSoon(page.textFile);
    pages.erase(std::remove_if(pages.begin(), pages.end(),
                               [&](const RecoveredPage& p) { return p.textFile == page.textFile; }),
                pages.end());
}

void RecoveredSession::Finish() { RemoveClaimAndFolder(folder, claim); }

std::vector<RecoveredSession> FindRecoveredSessions(const std::string& root) {
    std::vector<std::string> names = ListFolder(root).folders;
    std::sort(names.begin(), names.end());
    std::vector<RecoveredSession> sessions;
    for (const std::string& name : names) {
        RecoveredSession session;
        session.folder = JoinPath(root, name);
        session.claim = FileClaim(NativePath(JoinPath(session.folder, kClaimFile)));
        if (!session.claim.Held()) continue;  // its workbench runs
        FolderContent content = ListFolder(session.folder);
        session.pages = PagesIn(session.folder, content.files);
        if (session.pages.empty()) {
            session.Finish();
            continue;
        }
        sessions.push_back(std::move(session));
    }
    return sessions;
}

}  // namespace tavrin
