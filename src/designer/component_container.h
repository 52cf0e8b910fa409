// TComponentContainer: a 28 x 28 picture placeholder on a dialog under design,
// a container that shows the picture of its Path instead of a live window. It
// keeps its size whatever size is asked for.
#pragma once

#include <memory>
#include <string>

#include "designer/container.h"

namespace tavrin {

class TComponentContainer : public TContainer {
public:
    static constexpr int kSize = 28;

    explicit TComponentContainer(HWND parent = nullptr);
    ~TComponentContainer() override;

    const std::string& Path() const { return path_; }
    // Takes the file; when it exists its picture is loaded and shown.
    void SetPath(const std::string& file);
    bool HasPicture() const { return picture_ != nullptr; }
    void SetBounds(int left, int top, int width, int height) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;
    void Paint(HDC dc) override;

private:
    void FreePicture();

    std::string path_;
    HBITMAP picture_ = nullptr;  // 28 x 28, owned
    COLORREF transparent_ = 0;
};

// Creates a container by its class name ("TContainer", "TComponentContainer",
// without regard to case), as pasted design text names them; null for another name.
std::unique_ptr<TContainer> CreateContainerOfClass(const std::string& className, HWND parent);

}  // namespace tavrin
