#include "designer/dialog_reader.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "common/text.h"
#include "designer/auto_create.h"
#include "designer/basic_strings.h"
#include "designer/code_comments.h"
#include "designer/design_property_tables.h"
#include "designer/word_split.h"

namespace tavrin {
namespace {

bool IsDialogTypeLine(const std::vector<std::string_view>& words, std::string_view hostClass) {
    return words.size() == 4 && EqualsNoCase(words[0], "type") && WordPosition(words, "extends") == 2 &&
           WordPosition(words, hostClass) >= 0;
}

enum class ObjectKind { Container, MainMenu, MenuItem };

struct NamedObject {
    DesignHandle handle;
    ObjectKind kind;
};

// One pass over the lines; the state of the dialog being read.
class DialogReader {
public:
    DialogReader(LineDocument& doc, DesignBuilder& builder, std::string_view hostClass)
        : doc_(doc), builder_(builder), hostClass_(hostClass) {}

    DialogsRead Run();

private:
    // False when the line stopped the reading.
    bool ReadLine(int index, std::string_view code);
    void ReadField(int index, const std::vector<std::string_view>& words);
    bool ReadAssignment(int index, std::string_view code, const std::vector<std::string_view>& words);
    void ReadCall(int index, std::string_view code, const std::vector<std::string_view>& words);
    const NamedObject* Named(std::string_view name) const;
    // "<component>.Parent=@<container>" puts a component into another one; "@This" onto the dialog.
    void ReadParent(DesignHandle child, std::string_view value);
    void Fail(int index, std::string message) { result_.error = DialogReadError{index, std::move(message)}; }

    LineDocument& doc_;
    DesignBuilder& builder_;
    std::string_view hostClass_;
    DialogsRead result_;
    CreatedDialog dialog_;
    DesignHandle mainMenu_ = nullptr;
    std::unordered_map<std::string, NamedObject> names_;  // by lower-case name
    std::vector<std::string_view> words_;  // the words of the line being read
    mutable std::string lowered_;           // room for a name being looked up
};

// A word cut at its dots: "<object>.<member>[.<more>]".
struct DottedName {
    std::string_view object;  // the part before the first dot, or the whole word
    std::string_view member;  // the part after it, up to a second dot
    size_t parts = 1;
};

DottedName CutAtDots(std::string_view word) {
    DottedName name;
    size_t dot = word.find('.');
    name.object = word.substr(0, dot);
    if (dot == std::string_view::npos) return name;
    std::string_view rest = word.substr(dot + 1);
    name.member = rest.substr(0, rest.find('.'));
    name.parts = 2 + static_cast<size_t>(std::count(rest.begin(), rest.end(), '.'));
    return name;
}

// The value of an assignment: a string literal as the text it stands for,
// otherwise the third word (its double quotes removed when asked).
std::string AssignedValue(std::string_view code, const std::vector<std::string_view>& words, bool removeQuotes) {
    std::string_view raw = Trim(code.substr(code.find('=') + 1));
    std::string value;
    if (ReadBasicString(raw, value)) return value;
    value = words.size() > 2 ? std::string(words[2]) : std::string();
    if (removeQuotes) std::erase(value, '"');
    return value;
}

// The text between a call's first "(" and its last ")".
std::string_view CallArguments(std::string_view code) {
    size_t open = code.find('(');
    size_t close = code.rfind(')');
    if (close == std::string_view::npos || close < open) close = code.size();
    return code.substr(open + 1, close - open - 1);
}

BoundsChange BoundsFromArguments(std::string_view arguments) {
    BoundsChange change;
    std::vector<std::string> items = Split(arguments, ',');
    if (items.size() != 4) return change;
    std::optional<int>* targets[4] = {&change.left, &change.top, &change.width, &change.height};
    for (size_t i = 0; i < 4; ++i) {
        int value = 0;
        if (ParseWholeNumber(items[i], value)) *targets[i] = value;
    }
    return change;
}

DialogsRead DialogReader::Run() {
    CommentStripper comments;
    for (int i = 0, count = doc_.LineCount(); i < count; ++i) {
        std::string line = doc_.Line(i);
        if (!ReadLine(i, Trim(comments.CodeOf(line)))) {
            builder_.Finish();
            return result_;
        }
    }
    builder_.Finish();
    if (result_.lastDialog && HasAutoCreate(doc_)) builder_.ShowDialog(result_.lastDialog);
    return result_;
}

bool DialogReader::ReadLine(int index, std::string_view code) {
    std::vector<std::string_view>& words = words_;
    SplitCodeWords(code, words);
    if (words.empty()) return true;
    if (IsDialogTypeLine(words, hostClass_)) {
        dialog_ = builder_.CreateDialog(DialogNameOfType(words[1]));
        mainMenu_ = nullptr;
        names_.clear();
        result_.lastDialog = dialog_.dialog;
        ++result_.dialogCount;
        return true;
    }
    if (!dialog_.dialog) return true;
    if (words.size() == 3 && WordPosition(words, "as") == 1) {
        ReadField(index, words);
    } else if (WordPosition(words, "=") == 1) {
        return ReadAssignment(index, code, words);
    } else if (WordPosition(words, "(") == 1) {
        ReadCall(index, code, words);
    }
    return true;
}

const NamedObject* DialogReader::Named(std::string_view name) const {
    lowered_.assign(name);
    for (char& c : lowered_) c = AsciiLower(c);
    auto found = names_.find(lowered_);
    return found == names_.end() ? nullptr : &found->second;
}

void DialogReader::ReadField(int index, const std::vector<std::string_view>& words) {
    std::string_view name = words[0], packClass = words[2];
    if (Named(name)) return;
    NamedObject object{nullptr, ObjectKind::Container};
    if (EqualsNoCase(packClass, "QMainMenu") && !mainMenu_) {
        object = {builder_.CreateMainMenu(dialog_.dialog, name), ObjectKind::MainMenu};
        mainMenu_ = object.handle;
    } else if (EqualsNoCase(packClass, "QMenu")) {
        object = {builder_.CreateMenuItem(dialog_.dialog, name), ObjectKind::MenuItem};
    } else {
        object.handle = builder_.CreateContainer(dialog_.dialog, name, packClass);
    }
    if (!object.handle) return;
    names_[ToLower(name)] = object;
    doc_.SetTag(index, object.handle);
}

bool DialogReader::ReadAssignment(int index, std::string_view code, const std::vector<std::string_view>& words) {
    DottedName name = CutAtDots(words[0]);
    std::optional<PropertyError> error;
    if (name.parts == 1) {
        error = builder_.SetDesignProperty(dialog_.dialog, name.object, AssignedValue(code, words, false));
    } else if (EqualsNoCase(name.object, "base")) {
        // "base.MainMenu=@<menu>" shows the dialog's main menu on the form.
        std::string menu = AssignedValue(code, words, true);
        const NamedObject* named = menu.size() > 1 && menu[0] == '@' ? Named(menu.substr(1)) : nullptr;
        if (EqualsNoCase(name.member, "MainMenu") && named && named->kind == ObjectKind::MainMenu)
            doc_.SetTag(index, named->handle);
    } else {
        DesignHandle object = nullptr;
        const NamedObject* named = nullptr;
        if (EqualsNoCase(name.object, "this")) {
            object = dialog_.ownContainer;
        } else if ((named = Named(name.object))) {
            object = named->handle;
        }
        if (!object) return true;
        doc_.SetTag(index, object);
        if (named && named->kind == ObjectKind::Container && name.parts == 2 && EqualsNoCase(name.member, "Parent")) {
            ReadParent(object, AssignedValue(code, words, true));
            return true;
        }
        error = builder_.SetDesignProperty(object, name.member, AssignedValue(code, words, true));
    }
    if (error) {
        Fail(index, error->message);
        return false;
    }
    return true;
}

void DialogReader::ReadParent(DesignHandle child, std::string_view value) {
    if (value.size() < 2 || value[0] != '@') return;
    value.remove_prefix(1);
    if (EqualsNoCase(value, "This")) {
        builder_.SetParent(child, nullptr);
    } else if (const NamedObject* parent = Named(value); parent && parent->kind == ObjectKind::Container) {
        builder_.SetParent(child, parent->handle);
    }
}

void DialogReader::ReadCall(int index, std::string_view code, const std::vector<std::string_view>& words) {
    DottedName name = CutAtDots(words[0]);
    std::string_view arguments = CallArguments(code);
    if (name.parts == 1) {
        if (EqualsNoCase(name.object, "SetBounds")) builder_.SetBounds(dialog_.dialog, BoundsFromArguments(arguments));
        return;
    }
    bool setBounds = name.parts == 2 && EqualsNoCase(name.member, "SetBounds");
    if (EqualsNoCase(name.object, "this")) {
        doc_.SetTag(index, dialog_.ownContainer);
        if (setBounds) builder_.SetBounds(dialog_.dialog, BoundsFromArguments(arguments));
        return;
    }
    const NamedObject* named = Named(name.object);
    if (!named) return;
    doc_.SetTag(index, named->handle);
    if (named->kind == ObjectKind::Container) {
        if (setBounds) builder_.SetBounds(named->handle, BoundsFromArguments(arguments));
        return;
    }
    // "<menu>.Add(@<item>)": the item becomes the menu's last child.
    std::string_view argument = Trim(arguments);
    if (name.parts == 2 && EqualsNoCase(name.member, "Add") && argument.substr(0, 1) == "@") {
        const NamedObject* item = Named(Trim(argument.substr(1)));
        if (item && item->kind == ObjectKind::MenuItem) builder_.AddMenuItem(named->handle, item->handle);
    }
}

}  // namespace

std::string DialogNameOfType(std::string_view typeName) {
    if (typeName.size() > 1 && (typeName[0] == 'Q' || typeName[0] == 'q')) typeName.remove_prefix(1);
    return std::string(typeName);
}

DialogsRead ParseDialogs(LineDocument& doc, DesignBuilder& builder, std::string_view hostClass) {
    return DialogReader(doc, builder, hostClass).Run();
}

}  // namespace tavrin
