// A fake pack with button-like objects and a design object over an in-memory
// dialog page, for the inspector's tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "designer/design_properties.h"
#include "inspector/inspected_object.h"
#include "support/fake_pack_api.h"

namespace tavrin::test {

inline PropertyInfo Info(QPropKind kind, std::optional<std::string> items = {},
                         std::optional<std::string> editor = {}) {
    PropertyInfo info;
    info.kind = kind;
    info.rawKind = kind;
    info.items = std::move(items);
    info.editor = std::move(editor);
    return info;
}

// The properties of a button as a pack lists them (a small part of them).
inline std::vector<FakeProperty> ButtonProperties(const std::string& text) {
    return {{"ClassName", Info(pkString), "QButton"},
            {"Text", Info(pkString), text},
            {"Caption", Info(pkString), text},
            {"Left", Info(pkInteger), "10"},
            {"Handle", Info(pkInteger), "1234"},
            {"ParentWnd", Info(pkInteger), "99"},
            {"Enabled", Info(pkBoolean, "False,True"), "-1"},
            {"Visible", Info(pkBoolean, "False,True"), "0"},
            {"Clipped", Info(pkBoolean, "False,True"), "maybe"},
            {"Align", Info(pkEnumeration, "alNone,alLeft,alRight"), "0"},
            {"Font", Info(pkObject, "Font", "TELFontEditor"), "4096"},
            {"Color", Info(pkInteger, "clWindow", "TELColorEditor"), "0"},
            {"onclick", Info(pkEvent), "0"},
            {"onDestroy", Info(pkEvent), "0"},
            {"Unknown", std::nullopt, std::nullopt}};
}

// A container-like design object: a few published properties and its lines in a page.
class FakeContainer : public InspectedObject {
public:
    FakeContainer(PackObject object, std::string name, LineDocument* code) : object_(object), name_(std::move(name)), code_(code) {
        properties_.Add({"Text", DesignKind::Text, {}, [this] { return text; }, [this](const std::string& v) { text = v; }});
        properties_.Add({"Left", DesignKind::Integer, {}, [this] { return std::to_string(left); },
                         [this](const std::string& v) { left = std::stoi(v); }});
        properties_.Add({"Color", DesignKind::Integer, {}, [this] { return std::to_string(color); },
                         [this](const std::string& v) { color = std::stoi(v); }});
        properties_.Add({"Font", DesignKind::Text, {}, [this] { return font; }, [this](const std::string& v) { font = v; }});
    }
    PackObject Object() const override { return object_; }
    const DesignProperties& Properties() const override { return properties_; }
    LineDocument* Code() const override { return code_; }
    CodeObject CodeTarget() const override { return {this, name_, false}; }

    std::string text;
    int left = 0;
    int color = 0;
    std::string font = "Tahoma,8";

private:
    PackObject object_;
    std::string name_;
    LineDocument* code_;
    DesignProperties properties_;
};

}  // namespace tavrin::test
