// What the settings object needs of the application's windows: their names,
// bounds and a way to move them. The Win32 layer implements these for the
// windows created at start; tests use plain fakes.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

struct WindowBounds {
    int left, top, width, height;
};

// A rectangle of the screen: right and bottom lie just outside it.
struct ScreenRect {
    int left, top, right, bottom;
};

// What the desktop offers windows: the work areas of the monitors (screen
// coordinates, the primary monitor's first) and the height of the strip at a
// window's top that holds its caption.
struct DesktopGeometry {
    std::vector<ScreenRect> workAreas;
    int captionHeight = 0;
};

class ApplicationWindow {
public:
    virtual ~ApplicationWindow() = default;
    virtual std::string Name() const = 0;
    virtual WindowBounds Bounds() const = 0;
    // Each setter applies the window's own constraints (the main window keeps its height).
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
};

class WindowRegistry {
public:
    virtual ~WindowRegistry() = default;
    // The windows owned by the application, in creation order.
    virtual std::vector<ApplicationWindow*> Windows() const = 0;
    // The desktop the windows are placed on; without work areas saved bounds
    // are applied as they are.
    virtual DesktopGeometry Desktop() const { return {}; }
};

// The drop-down menu that shows the recently used files. Each item shows a
// path; its owner opens that path when the item is clicked.
class MRUMenuView {
public:
    virtual ~MRUMenuView() = default;
    virtual void RemoveAllItems() = 0;
    virtual void AddItem(const std::string& path) = 0;
};

}  // namespace tavrin
