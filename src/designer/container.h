// TContainer: the child control of a dialog under design that hosts one live
// window of a pack class. The live window fills the container, is transparent
// to the mouse (every click reaches the container, and so the design surface)
// and follows the container's size, text, font and control id; the pack
// object behind it is what the pack left in the container's "this" property.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "designer/design_properties.h"

namespace tavrin {

class TDialog;

// The container's node in the objects tree.
class ContainerNode {
public:
    virtual ~ContainerNode() = default;
    virtual void SetText(const std::string& text) = 0;
};

// The property grid attached to a dialog's own container.
class ContainerGrid {
public:
    virtual ~ContainerGrid() = default;
    // Sets the value of the row whose key equals the name without regard to
    // case; nothing when the grid has no such row.
    virtual void SetRowValue(const std::string& key, const std::string& value) = 0;
};

// Names the pack that offers a window class ("" when none does), for the
// message shown when a class refuses to create its window. Set once by the
// application.
void SetContainerClassOwner(std::function<std::string(const std::string& className)> owner);

class TContainer {
public:
    // parent: the dialog's window; null for a dialog's own container.
    explicit TContainer(HWND parent = nullptr);
    virtual ~TContainer();
    TContainer(const TContainer&) = delete;
    TContainer& operator=(const TContainer&) = delete;

    // The container's own window, created on first need.
    HWND Handle();
    bool HandleAllocated() const { return window_ != nullptr; }

    HWND HostHandle() const { return hostHandle_; }
    void SetHostHandle(HWND handle) { hostHandle_ = handle; }  // stores the handle only
    const std::string& Host() const { return host_; }
    // Sets the host class and creates its live window; an empty name leaves
    // the current live window in place.
    void SetHost(const std::string& name);
    // Only names the host class; CreateWindows makes the windows later.
    void SetHostClass(const std::string& name) { host_ = name; }
    // The container's window, and its live window when it has a host class but none yet.
    void CreateWindows();
    int id() const { return id_; }
    void Setid(int value);
    // The style the live window is created with (besides the child style).
    std::uint32_t HostStyle() const { return hostStyle_; }
    // The pack object behind the live window, as the pack reported it.
    void* PackObject() const { return packObject_; }
    ContainerNode* Node() const { return node_.get(); }
    void SetNode(std::unique_ptr<ContainerNode> node);
    // The component this one lies in, or null when it lies on the dialog.
    TContainer* ParentComponent() const { return parentComponent_; }
    // Puts the container's window into parent's (null: back into the window it
    // was made for); its bounds stay, now in the new parent's client area.
    void SetParentComponent(TContainer* parent);
    // Whether components can be placed into it (its host class holds others).
    bool AcceptsControls() const;
    ContainerGrid* Grid = nullptr;  // the inspector's grid, for a dialog's own container
    TDialog* Dialog = nullptr;      // the dialog whose own container this is

    const std::string& Name() const { return name_; }
    // A container whose text equals its name takes the new name as text too.
    void SetName(const std::string& name);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    HFONT Font() const { return font_; }
    void SetFont(HFONT font);

    // Destroys the live window (if any) and creates a new one of the host class.
    void CreateHost();
    // Removes the live window's "Container" property and destroys it.
    void DestroyHost();

    // The design properties, set by name from text (the code reader, the inspector).
    const DesignProperties& Properties() const { return properties_; }

    // Every mouse message that reaches the container's window (the design surface listens).
    std::function<void(TContainer&, UINT message, WPARAM wp, LPARAM lp)> OnMouse;

    // The container of a window that carries the "Container" property, or null.
    static TContainer* OfWindow(HWND window);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp);
    virtual void Paint(HDC dc) {}
    // After the container's own resize.
    virtual void Resized();
    void AddProperty(DesignProperty property) { properties_.Add(std::move(property)); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    void DeclareProperties();
    void Moved();
    // Whether the live window covers the container's whole window, which has
    // nothing of its own to paint then (under a thousand components, a
    // thousand paintings fewer).
    bool HiddenByHost() const;
    // Reads the window's bounds back after the window moved or was resized from outside.
    void TakeWindowBounds();
    void ReportRefusedClass() const;

    HWND parent_;
    HWND ownerWindow_;  // the window the container was made for
    TContainer* parentComponent_ = nullptr;
    HWND window_ = nullptr;
    HWND hostHandle_ = nullptr;
    std::string host_;
    std::unique_ptr<ContainerNode> node_;
    std::uint32_t hostExStyle_ = 0;
    std::uint32_t hostStyle_ = 0;
    int id_ = 0;
    void* packObject_ = nullptr;
    bool hostedBefore_ = false;  // a pack window was made in this container's window before
    std::string name_;
    std::string text_;
    int tag_ = 0;
    int left_ = 0, top_ = 0, width_ = 75, height_ = 25;
    int cursor_ = 0;
    std::string hint_;
    std::string helpType_ = "htContext";
    std::string helpKeyword_;
    int helpContext_ = 0;
    std::string align_ = "alNone";
    int color_ = -16777201;  // the system's button face
    HFONT font_;
    DesignProperties properties_;
};

}  // namespace tavrin
