// TInspector, the object inspector's tool window: the object box
// (cbxObjects), the tabs, the property grid and the status bar, over the
// inspector's rules (ObjectInspector).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inspector/object_inspector.h"
#include "inspector/value_list_view.h"
#include "ui/tool_window.h"

namespace tavrin {

// An entry of the object box: its text and object (a container, or another control).
struct ObjectEntry {
    std::string text;
    void* object = nullptr;
};

class TInspector : public ToolWindow {
public:
    TInspector(ObjectInspector::PackSource currentPack, ObjectInspector::ContainerSource containerOf);
    ~TInspector() override;

    ObjectInspector& Rules() { return rules_; }
    ValueListView* Grid() const { return grid_.get(); }
    HWND ObjectBox() const { return objects_; }
    HWND Tabs() const { return tabs_; }
    HWND StatusBar() const { return status_; }

    // Refills the grid for the objects (the designer calls it on every selection change).
    void InspectObjects(const std::vector<PackObject>& objects);
    // The object box's entries, supplied by the designer; selected: the index shown (-1: none).
    void SetObjectEntries(const std::vector<ObjectEntry>& entries, int selected);
    void SelectTab(InspectorTab tab);
    // Shows the grid's rows and the status texts again.
    void Refresh();
    // Shows a new value in the row of that name (any case), when the grid has one.
    void ShowRowValue(const std::string& name, const std::string& value);
    const std::vector<ObjectEntry>& ObjectEntries() const { return entries_; }

    // An entry chosen in the object box (cbxObjectsChange): the designer
    // selects a container, or brings another control to the front.
    std::function<void(void* object)> ObjectChosen;
    // The grid was refilled (a new selection or tab): the designer may show its own values in some rows.
    std::function<void()> RowsFilled;

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnSize(int width, int height) override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void ShowStatus();
    void CommitRow(int row, const std::string& value);
    void EditRow(int row);

    ObjectInspector rules_;
    HWND objects_ = nullptr;
    HWND tabs_ = nullptr;
    HWND status_ = nullptr;
    std::unique_ptr<ValueListView> grid_;
    std::vector<ObjectEntry> entries_;
};

}  // namespace tavrin
