#include "library_objects.h"

#include <cstdlib>

bool IsMenuKind(const std::string& kind) {
    return kind == "mainmenu" || kind == "popupmenu" || kind == "menuitem";
}

bool IsFrameKind(const std::string& kind) {
    if (kind == "font" || IsMenuKind(kind)) return false;
    for (const ProgramKind& made : kProgramKinds)
        if (kind == made.kind) return false;
    return true;
}

void* ProgramObjects::Make(const std::string& kind) {
    const char* className = nullptr;
    for (const ProgramKind& made : kProgramKinds)
        if (kind == made.kind) className = made.className;
    if (!className) return nullptr;
    if (kind == "picture")
        made_.push_back(std::make_unique<LibraryInstance>(members_, className, "P7QObject", nullptr));
    else
        made_.push_back(std::make_unique<LibraryInstance>(members_, className));
    void* object = made_.back()->get();
    if (kind == "menuitem") {
        made_.push_back(std::make_unique<LibraryInstance>(members_, "QPopupMenu"));
        members_.Call(made_.back()->get(), MemberName("QMenu", "Add", "PS_"), object);
    }
    return object;
}

LibraryObjects::LibraryObjects(HWND host)
    : members_(Velpack().library ? Velpack().library->Module() : nullptr) {
    const VelpackBinding& vp = Velpack();
    std::string text = Text(vp.registerClasses());
    std::string classes = "QForm," + text.substr(text.find(':') + 1);
    std::size_t from = 0;
    while (from < classes.size()) {
        std::size_t end = classes.find(',', from);
        if (end == std::string::npos) end = classes.size();
        std::string name = classes.substr(from, end - from);
        HWND window = CreateByName(name.c_str(), host, 0, 0, 60, 40);
        if (window) all.push_back({name, ObjectOf(host), window});
        from = end + 1;
    }
    void* form = Of("QForm");
    void* button = Of("QButton");
    if (button) all.push_back({"font", ObjectFrom(vp.Value(button, "Font")), nullptr});
    if (form) {
        all.push_back({"mainmenu", ObjectFrom(vp.Value(form, "MainMenu")), nullptr});
        all.push_back({"popupmenu", ObjectFrom(vp.Value(form, "PopupMenu")), nullptr});
        int children = std::atoi(vp.Value(form, "ControlCount").c_str());
        if (vp.Set(form, "ControlCount", "1")) {
            std::string index = "Control(" + std::to_string(children) + ")";
            all.push_back({"frame", ObjectFrom(vp.Value(form, index.c_str())), nullptr});
        }
    }
    for (const ProgramKind& made : kProgramKinds)
        all.push_back({made.kind, programObjects_.Make(made.kind), nullptr});
}

void* LibraryObjects::Of(const std::string& kind) const {
    for (const LibraryObject& made : all)
        if (made.kind == kind) return made.object;
    return nullptr;
}

HWND LibraryObjects::WindowOf(const std::string& kind) const {
    for (const LibraryObject& made : all)
        if (made.kind == kind) return made.window;
    return nullptr;
}

std::vector<std::string> ListNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (true) {
        std::size_t end = list.find('\n', from);
        names.push_back(list.substr(from, end == std::string::npos ? std::string::npos : end - from));
        if (end == std::string::npos) return names;
        from = end + 1;
    }
}

std::string AddressText(const void* address) {
    return std::to_string(reinterpret_cast<UINT_PTR>(address));
}

void* ObjectFrom(const std::string& valueText) {
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(std::strtoul(valueText.c_str(), nullptr, 10)));
}
