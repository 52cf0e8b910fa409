#include "designer/component_container.h"

#include "common/file_checks.h"
#include "common/text.h"

namespace tavrin {

TComponentContainer::TComponentContainer(HWND parent) : TContainer(parent) {
    TContainer::SetBounds(Left(), Top(), kSize, kSize);
    AddProperty(DesignProperty{"Path", DesignKind::Text, {}, [this] { return path_; },
                               [this](const std::string& value) { SetPath(value); }});
}

TComponentContainer::~TComponentContainer() {
    FreePicture();
}

void TComponentContainer::FreePicture() {
    if (picture_) DeleteObject(picture_);
    picture_ = nullptr;
}

void TComponentContainer::SetPath(const std::string& file) {
    path_ = file;
    if (!FileExists(file)) return;
    auto loaded = static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, kSize, kSize,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!loaded) return;
    FreePicture();
    picture_ = loaded;
    // The picture's bottom-left pixel names its transparent colour.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, picture_);
    transparent_ = GetPixel(memory, 0, kSize - 1);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TComponentContainer::SetBounds(int left, int top, int, int) {
    TContainer::SetBounds(left, top, kSize, kSize);
}

void TComponentContainer::Paint(HDC dc) {
    if (!picture_) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture_);
    TransparentBlt(dc, 0, 0, kSize, kSize, memory, 0, 0, kSize, kSize, transparent_);
    SelectObject(memory, old);
    DeleteDC(memory);
}

LRESULT TComponentContainer::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_WINDOWPOSCHANGING) {
        // Whoever resizes the window (the design surface, a parent's layout) gets 28 x 28.
        auto* position = reinterpret_cast<WINDOWPOS*>(lp);
        position->cx = kSize;
        position->cy = kSize;
        return 0;
    }
    return TContainer::HandleMessage(message, wp, lp);
}

std::unique_ptr<TContainer> CreateContainerOfClass(const std::string& className, HWND parent) {
    if (EqualsNoCase(className, "TContainer")) return std::make_unique<TContainer>(parent);
    if (EqualsNoCase(className, "TComponentContainer")) return std::make_unique<TComponentContainer>(parent);
    return nullptr;
}

}  // namespace tavrin
