#include "workbench/recovery_autosave.h"

#include <Scintilla.h>

#include <algorithm>

#include "common/text_codec.h"
#include "workbench/code_page.h"
#include "workbench/page_rules.h"

namespace tavrin {

namespace {

constexpr const char* kClassName = "TAutosave";
constexpr UINT_PTR kTimerId = 1;

// The editor's text, copied in the two runs on either side of the buffer's
// gap: asking for the text as one run would move the gap (megabytes in a
// large page), and the next key would move it back.
std::string CopyOfText(const ScintillaView& edit) {
    const LRESULT length = edit.Call(SCI_GETLENGTH);
    const LRESULT gap = std::clamp<LRESULT>(edit.Call(SCI_GETGAPPOSITION), 0, length);
    std::string text;
    text.reserve(static_cast<size_t>(length));
    auto append = [&](LRESULT from, LRESULT count) {
        if (count <= 0) return;
        const char* run = reinterpret_cast<const char*>(edit.Call(SCI_GETRANGEPOINTER, from, count));
        if (run) text.append(run, static_cast<size_t>(count));
    };
    append(0, gap);
    append(gap, length - gap);
    return text;
}

std::vector<TCodePage*> Unsaved(const std::vector<TCodePage*>& pages) {
    std::vector<TCodePage*> unsaved;
    for (TCodePage* page : pages)
        if (page && !page->Saved()) unsaved.push_back(page);
    return unsaved;
}

}  // namespace

Autosaver::Autosaver(RecoverySession& session, PageSource pages)
    : session_(session), pages_(std::move(pages)), writer_(session) {}

Autosaver::~Autosaver() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    writer_.Stop();
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

RecoveryPageInfo Autosaver::InfoOf(TCodePage& page) const {
    return {page.FileName(), CaptionWithoutMark(page.Caption())};
}

bool Autosaver::UpToDate(const Copy& copy, TCodePage& page) const {
    return !copy.stale && copy.stamp == page.ChangeStamp() && copy.fileName == page.FileName() &&
           copy.caption == CaptionWithoutMark(page.Caption());
}

void Autosaver::DropCopiesExcept(const std::vector<TCodePage*>& unsaved, bool direct) {
    for (auto it = copies_.begin(); it != copies_.end();) {
        if (std::find(unsaved.begin(), unsaved.end(), it->first) != unsaved.end()) {
            ++it;
            continue;
        }
        if (direct) session_.RemovePage(it->second.id);
        else writer_.Remove(it->second.id);
        it = copies_.erase(it);
    }
}

void Autosaver::Tick() {
    if (finished_) return;
    for (int failed : writer_.TakeFailures())
        for (auto& [page, copy] : copies_)
            if (copy.id == failed) copy.stale = true;
    std::vector<TCodePage*> unsaved = Unsaved(pages_());
    for (TCodePage* page : unsaved) {
        auto found = copies_.find(page);
        if (found != copies_.end() && UpToDate(found->second, *page)) continue;
        Copy& copy = found != copies_.end() ? found->second : copies_[page];
        if (!copy.id) copy.id = nextId_++;
        RecoveryPageInfo info = InfoOf(*page);
        copy.stamp = page->ChangeStamp();
        copy.stale = false;
        copy.fileName = info.fileName;
        copy.caption = info.caption;
        writer_.Write(copy.id, std::move(info), CopyOfText(page->Editor().Edit()), page->Format());
    }
    DropCopiesExcept(unsaved, false);
}

void Autosaver::Flush() { writer_.Flush(); }

int Autosaver::KeepNow() {
    Tick();
    Flush();
    return CopyCount();
}

int Autosaver::WriteNow() {
    writer_.Stop();
    std::vector<TCodePage*> unsaved = Unsaved(pages_());
    int kept = 0;
    for (TCodePage* page : unsaved) {
        Copy& copy = copies_[page];
        if (!copy.id) copy.id = nextId_++;
        std::string bytes = EncodeSourceText(CopyOfText(page->Editor().Edit()), page->Format());
        if (session_.WritePage(copy.id, InfoOf(*page), bytes)) ++kept;
    }
    DropCopiesExcept(unsaved, true);
    return kept;
}

void Autosaver::Finish() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    finished_ = true;
    writer_.Stop();
    copies_.clear();
    session_.Close();
}

}  // namespace tavrin
