// Every property of every kind of object a host can reach, set from hostile texts through
// the exports as a host calls them: the host must survive, refused object addresses leave
// the old value, and every value read back has the form its kind promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "hostile_texts.h"
#include "library_objects.h"

namespace {

constexpr std::uint32_t kSeed = 20261209;
constexpr std::size_t kTextCount = 2000;
// Objects with windows take every fixed text and every sixth random one (a different
// sixth for each property, so that the properties of a class share all random texts
// between them); objects without windows take all texts. Under Wine the window-system
// calls behind every window property would otherwise take minutes.
constexpr std::size_t kWindowStride = 6;
// Every so many texts (and after the last) the object's window gets a round of messages,
// so that what a value did to the object shows in the window's handling too; the fixed
// texts are each followed by one message.
constexpr std::size_t kExerciseEvery = 50;

// Painting, the mouse passing by, keys, text, a move and whatever that posts. (No button
// presses: a scroll bar would wait in its own loop for a release that never comes.)
void Exercise(HWND window) {
    if (!IsWindow(window)) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(window, WM_CHAR, 'x', 0);
    SendMessageA(window, WM_KEYUP, VK_DOWN, 0);
    SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    MSG message;
    for (int i = 0; i < 100 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&message);
}

// The texts and records the library hands out come from the C runtime both modules share,
// and the library neither frees nor reads them again; the test frees them so that
// hundreds of thousands of calls stay within memory.
std::string Take(char* text) {
    std::string result = text ? text : "<null>";
    std::free(text);
    return result;
}

struct Record {
    bool present = false;
    int kind = 0;
};

Record TakeRecord(QPropInfo* info) {
    Record record{info != nullptr, info ? info->Kind : 0};
    if (info) {
        std::free(const_cast<char*>(info->TypeName));
        std::free(const_cast<char*>(info->Items));
        std::free(const_cast<char*>(info->Value));
        std::free(const_cast<char*>(info->Editor));
        std::free(info);
    }
    return record;
}

bool IsNumber(const std::string& text) {
    if (text.empty() || text.size() > 11) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(std::isdigit(static_cast<unsigned char>(text[i])) || (i == 0 && text[i] == '-')))
            return false;
    return true;
}

const char kFramePrefix[] = "ClassName\nClassAncestor\nTag\nFont\nText\n";
const char kMenuList[] =
    "ClassName\nClassAncestor\nTag\nCaption\nChecked\nRadioItem\nEnabled\nVisible\nParent\nCommandID";
const char kFontList[] = "FaceName\nSize\nColor\nBold\nItalic\nUnderline\nStrikeout\nHandle";

// An object made for one property's run, and the windows to destroy after it (objects a
// program makes end with it).
struct Fresh {
    explicit Fresh(const LibraryMembers& members) : programObjects(members) {}
    void* object = nullptr;
    std::vector<HWND> windows;
    ProgramObjects programObjects;
};

class Hostile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(vp.Loaded());
        ASSERT_EQ(23u, pool.all.size());
        hostile = HostileTexts(kTextCount, kSeed, Addresses());
    }

    // Address texts of blocks that are gone, of the host's own data and of live objects
    // of every kind.
    std::vector<std::string> Addresses() {
        void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        std::vector<std::string> addresses = {AddressText(page)};
        VirtualFree(page, 0, MEM_RELEASE);
        auto* block = new char[64];
        addresses.push_back(AddressText(block));
        delete[] block;
        static int hostRecord[8] = {1, 2, 3, 4};
        addresses.push_back(AddressText(hostRecord));
        addresses.push_back(AddressText(reinterpret_cast<void*>(&Take)));
        for (const LibraryObject& made : pool.all) addresses.push_back(AddressText(made.object));
        addresses.push_back(Take(vp.getPropValue(pool.Of("QEdit"), "ClientRect")));
        return addresses;
    }

    void Make(const std::string& kind, Fresh& fresh) {
        auto window = [&](const char* className) {
            HWND made = CreateByName(className, host.handle, 10, 10, 80, 40);
            fresh.windows.push_back(made);
            return made ? ObjectOf(host.handle) : nullptr;
        };
        if (kind == "font") {
            fresh.object = ObjectFrom(Take(vp.getPropValue(window("QButton"), "Font")));
        } else if (kind == "mainmenu" || kind == "popupmenu") {
            void* form = window("QForm");
            fresh.object = ObjectFrom(Take(vp.getPropValue(form, kind == "mainmenu" ? "MainMenu" : "PopupMenu")));
        } else if (kind == "frame") {
            void* form = window("QForm");
            vp.Set(form, "ControlCount", "1");
            fresh.object = ObjectFrom(Take(vp.getPropValue(form, "Control(0)")));
        } else if (!IsFrameKind(kind)) {
            fresh.object = fresh.programObjects.Make(kind);
        } else {
            fresh.object = window(kind.c_str());
        }
    }

    // Whether the value text names a live object of the kind the property holds.
    void ExpectObjectOfItsKind(const std::string& property, const std::string& value) {
        if (value == "0" || value == "<null>") return;
        std::string list = Take(vp.getPropList(ObjectFrom(value)));
        if (property == "Font") {
            EXPECT_EQ(kFontList, list);
        } else if (property == "MainMenu" || property == "PopupMenu" || property == "MenuParent") {
            EXPECT_EQ(kMenuList, list);
            std::string className = Take(vp.getPropValue(ObjectFrom(value), "ClassName"));
            if (property != "MenuParent") {
                EXPECT_EQ("Q" + property, className);
            }
        } else {
            EXPECT_EQ(0u, list.find(kFramePrefix)) << list.substr(0, 40);
        }
    }

    // Sets the property from every text and checks what is read back.
    // stride: take every stride-th random text, starting at the given one; used: how many
    // texts were set.
    void RunProperty(const std::string& kind, const std::string& name, bool listed,
                     std::size_t stride, std::size_t start, std::size_t& used) {
        Fresh fresh(members);
        Make(kind, fresh);
        void* object = fresh.object;
        ASSERT_TRUE(object) << kind;
        bool indexed = name == "Control" || name == "Control(0)";
        if (indexed) {
            EXPECT_TRUE(vp.Set(object, "ControlCount", "1"));  // slot 0 exists
        }
        const bool menu = IsMenuKind(kind);
        const std::string objectProperty =
            menu && name == "Parent" ? "MenuParent"
            : (name == "Font" || name == "Parent" || name == "MainMenu" || name == "PopupMenu" || indexed)
                ? name
                : "";
        const std::string list = Take(vp.getPropList(object));
        Record initial = listed ? TakeRecord(vp.getPropInfo(object, name.c_str())) : Record{};
        EXPECT_TRUE(initial.present || !listed) << kind << " " << name;
        const std::string initialValue = Take(vp.getPropValue(object, name.c_str()));
        // Handlers are only stored here: a text that happens to name code would be called.
        const bool event = name.compare(0, 2, "on") == 0;
        HWND window = fresh.windows.empty() ? nullptr : fresh.windows.back();
        used = 0;
        for (std::size_t i = 0; i < hostile.texts.size(); ++i) {
            if (i >= hostile.fixed && (i - hostile.fixed) % stride != start % stride) continue;
            const std::string& text = hostile.texts[i];
            ++used;
            if (!event && used % kExerciseEvery == 0) Exercise(window);
            // After each fixed text at least one message passes through the window's handling.
            if (!event && i < hostile.fixed && IsWindow(window)) SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
            std::string before = Take(vp.getPropValue(object, name.c_str()));
            bool taken = (vp.setPropValue(object, name.c_str(), text.c_str()) & 0xFF) != 0;
            std::string after = Take(vp.getPropValue(object, name.c_str()));
            std::string shown = text.substr(0, 24);
            SCOPED_TRACE(kind + " " + name + " <- \"" + shown + "\"");
            if (!taken) {
                ASSERT_EQ(before, after);
            }
            if (listed) {
                Record record = TakeRecord(vp.getPropInfo(object, name.c_str()));
                ASSERT_TRUE(record.present);
                ASSERT_EQ(initial.kind, record.kind);
                if (name != "Control") {
                    ASSERT_NE("<null>", after);
                }
            }
            if (!objectProperty.empty()) ExpectObjectOfItsKind(objectProperty, after);
            if (name == "ClientRect" || name == "Windowrect" || name == "Cursor") {
                ASSERT_EQ(initialValue, after);  // the frame's own rectangle; no cursor object
            }
            switch (initial.kind) {
                case 3: case 11: case 12: case 13: case 14:
                    ASSERT_TRUE(IsNumber(after)) << after.substr(0, 24);
                    break;
                case 10:
                    ASSERT_TRUE(after == "-1" || after == "0" || after == "true" || after == "false");
                    break;
                default:
                    break;
            }
            if ((name == "ClassName" || name == "ClassAncestor" || name == "Hint" ||
                 name == "Caption") && taken) {
                ASSERT_EQ(text, after);
            }
        }
        if (!event) Exercise(window);
        EXPECT_EQ(list, Take(vp.getPropList(object))) << kind << " " << name;
        for (HWND made : fresh.windows) DestroyWindow(made);
    }

    const VelpackBinding& vp = Velpack();
    LibraryMembers members{vp.library ? vp.library->Module() : nullptr};
    HostWindow host{800, 600};
    LibraryObjects pool{host.handle};
    HostileTextSet hostile;
};

TEST_F(Hostile, EveryPropertyOfEveryKindSurvivesHostileTexts) {
    ASSERT_EQ(kTextCount, hostile.texts.size());
    std::size_t properties = 0, calls = 0, fewest = kTextCount;
    for (const LibraryObject& kind : pool.all) {
        auto start = std::chrono::steady_clock::now();
        std::vector<std::string> names = ListNames(Take(vp.getPropList(kind.object)));
        std::size_t listed = names.size();
        bool frame = IsFrameKind(kind.kind);
        // Names the value export understands without listing them.
        if (frame)
            for (const char* unlisted : {"ControlState", "onkeyup", "dummy", "Control(0)"})
                names.push_back(unlisted);
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::size_t used = 0;
            RunProperty(kind.kind, names[i], i < listed, kind.window ? kWindowStride : 1, i, used);
            if (HasFatalFailure()) return;
            ++properties;
            calls += used;
            fewest = std::min(fewest, used);
        }
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-12s %2zu properties: %.2f s\n", kind.kind.c_str(), names.size(), seconds);
    }
    std::printf("%zu properties, %zu texts set, at least %zu texts a property\n", properties,
                calls, fewest);
    EXPECT_GE(fewest, 400u);
    // The host and the library go on working.
    EXPECT_TRUE(IsWindow(host.handle));
    EXPECT_EQ("QButton", Take(vp.getPropValue(pool.Of("QButton"), "ClassName")));
}

}  // namespace
