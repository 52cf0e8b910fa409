#include "workbench/recovery_autosave.h"

#include <ctime>
#include <set>

#include "common/text_codec.h"
#include "workbench/code_page.h"
#include "workbench/page_rules.h"

namespace tavrin {

namespace {
constexpr const char* kClassName = "TAutosave";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Autosaver::Autosaver(RecoverySession& session, PageSource pages)
    : session_(session), pages_(std::move(pages)) {}

Autosaver::~Autosaver() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    DestroyBound();
}

void Autosaver::Start(unsigned intervalMs) {
    WNDCLASSEXA description{};
    description.lpszClassName = kClassName;
    RegisterBoundClass(description);
    // A message-only window: it exists for its timer.
    if (!CreateBound(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE)) return;
    SetTimer(Handle(), kTimerId, intervalMs, nullptr);
}

LRESULT Autosaver::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_TIMER && wp == kTimerId) {
        Tick();
        return 0;
    }
    return BoundWindow::HandleMessage(message, wp, lp);
}

bool Autosaver::WritePage(TCodePage& page, Copy& copy) {
    RecoveryPageInfo info;
    info.fileName = page.FileName();
    info.caption = CaptionWithoutMark(page.Caption());
    info.time = LocalTimeText(std::time(nullptr));
    std::string bytes = EncodeSourceText(page.Editor().Edit().TextView(), page.Format());
    if (!session_.WritePage(copy.id, info, bytes)) return false;
    copy.fileName = info.fileName;
    copy.caption = info.caption;
    return true;
}

void Autosaver::Tick() {
    if (finished_) return;
    std::set<const TCodePage*> unsaved;
    for (TCodePage* page : pages_()) {
        if (!page || page->Saved()) continue;
        unsaved.insert(page);
        auto found = copies_.find(page);
        bool known = found != copies_.end();
        if (known && found->second.stamp == page->ChangeStamp() && found->second.fileName == page->FileName() &&
            found->second.caption == CaptionWithoutMark(page->Caption()))
            continue;  // the copy is up to date
        Copy copy;
        if (known) copy = found->second;
        else copy.id = nextId_++;
        copy.stamp = page->ChangeStamp();
        if (WritePage(*page, copy)) copies_[page] = copy;
        else if (!known) session_.RemovePage(copy.id);  // nothing half-written stays behind
    }
    // Saved and closed pages: their copies go.
    for (auto it = copies_.begin(); it != copies_.end();) {
        if (unsaved.count(it->first)) {
            ++it;
            continue;
        }
        session_.RemovePage(it->second.id);
        it = copies_.erase(it);
    }
}

int Autosaver::WriteNow() {
    Tick();
    return CopyCount();
}

void Autosaver::Finish() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    finished_ = true;
    copies_.clear();
    session_.Close();
}

}  // namespace tavrin
