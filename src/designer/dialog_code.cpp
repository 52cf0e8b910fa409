#include "designer/dialog_code.h"

#include "common/text.h"
#include "designer/line_finders.h"
#include "designer/word_split.h"

namespace tavrin {
namespace {

// Where a field declaration of the dialog goes: the line after which it is inserted, or -1.
int FieldAnchor(const LineDocument& doc, const DialogBlocks& blocks, std::string_view name,
                std::string_view packClass) {
    if (blocks.typeLine >= 0) {
        int end = blocks.endTypeLine >= 0 ? blocks.endTypeLine : doc.LineCount();
        for (int i = end - 1; i > blocks.typeLine; --i)
            if (WordPositionInLine(doc.Line(i), "as") == 1) return i;
        return blocks.typeLine;
    }
    int first = FirstLineHoldingAny(doc, {"type", std::string(name), "extends", std::string(packClass)});
    if (first < 0) return -1;
    int lastField = FindLine(doc, "as", 1, Occurrence::Last);
    return lastField >= 0 ? lastField : first;
}

// The dialog's "end constructor" line, or -1.
int ConstructorEnd(const LineDocument& doc, const DialogBlocks& blocks) {
    if (blocks.endConstructorLine >= 0) return blocks.endConstructorLine;
    return FindLine(doc, "constructor", 1, Occurrence::Last);
}

// Inserts the statement at the closing line, which moves down by one.
void InsertStatement(LineDocument& doc, int& closing, const CodeObject& object, std::string_view member,
                     std::string_view value) {
    if (object.ownContainer && EqualsNoCase(member, "parent=")) value = "application'0";
    doc.InsertLine(closing++, object.name + "." + std::string(member) + std::string(value), object.tag);
}

// Whether the line is a call "<object>.SetBounds(...)"; object receives what stands before the dot.
bool IsBoundsCall(std::string_view line, std::string_view& object) {
    WordCursor cursor(line);
    std::string_view callee, open;
    if (!cursor.Next(callee) || !cursor.Next(open) || open != "(") return false;
    size_t dot = callee.find('.');
    if (dot == std::string_view::npos) return false;
    std::string_view member = callee.substr(dot + 1);
    if (member.find('.') != std::string_view::npos || !EqualsNoCase(member, "SetBounds")) return false;
    object = callee.substr(0, dot);
    return true;
}

int FindBoundsCall(const LineDocument& doc, std::string_view dialogName, const CodeObject& object) {
    std::string_view callee;
    for (int i = 0, count = doc.LineCount(); i < count; ++i)
        if (doc.Tag(i) == object.tag && IsBoundsCall(doc.Line(i), callee)) return i;
    // Lines typed or loaded without tags: the object's first bounds call in its dialog's constructor.
    DialogBlocks blocks = LocateDialogBlocks(doc, dialogName);
    int from = 0, to = doc.LineCount();
    if (blocks.constructorLine >= 0 && blocks.endConstructorLine >= 0) {
        from = blocks.constructorLine + 1;
        to = blocks.endConstructorLine;
    }
    for (int i = from; i < to; ++i)
        if (!doc.Tag(i) && IsBoundsCall(doc.Line(i), callee) && EqualsNoCase(callee, object.name)) return i;
    return -1;
}

// The line with its argument list "(...)" replaced by arguments.
std::string WithArguments(const std::string& line, const std::string& arguments) {
    size_t open = line.find('(');
    size_t close = line.find(')', open);
    std::string rest = close == std::string::npos ? std::string() : line.substr(close + 1);
    return line.substr(0, open) + arguments + rest;
}

void UpdateBoundsProperties(LineDocument& doc, const CodeObject& object, const Bounds& bounds) {
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        if (doc.Tag(i) != object.tag) continue;
        std::string line = doc.Line(i);
        std::vector<std::string_view> tokens = SplitPropertyTokens(line);
        if (tokens.size() < 4 || tokens[1] != "." || tokens[3] != "=") continue;
        std::string_view property = tokens[2];
        int value;
        if (EqualsNoCase(property, "Left")) value = bounds.left;
        else if (EqualsNoCase(property, "Top")) value = bounds.top;
        else if (EqualsNoCase(property, "Width")) value = bounds.width;
        else if (EqualsNoCase(property, "Height")) value = bounds.height;
        else continue;
        doc.SetLine(i, std::string(tokens[0]) + "." + std::string(property) + "=" + std::to_string(value));
    }
}

}  // namespace

std::string DialogSkeleton(std::string_view name, const DialogCodeSettings& settings) {
    std::string n(name), host = settings.hostClass;
    std::string text = "type Q" + n + " extends " + host + "\n   declare constructor\n   declare operator cast as " +
                       host + " ptr\nend type\n\n";
    if (settings.autocreateForms) text += "var shared " + n + "=Q" + n + "\n\n";
    text += "constructor Q" + n + "\nend constructor\n\noperator Q" + n + ".cast as " + host +
            " ptr\n   return @this\nend operator";
    return text;
}

bool WriteDialogSkeleton(LineDocument& doc, std::string_view name, const DialogCodeSettings& settings) {
    if (doc.LineCount() > 0) return false;
    doc.SetText(DialogSkeleton(name, settings));
    return true;
}

std::string BoundsArguments(const Bounds& b) {
    std::string text = "(";
    for (int value : {b.left, b.top, b.width, b.height}) {
        if (text.size() > 1) text += ',';
        text += std::to_string(value);
    }
    return text + ")";
}

bool WriteConstructorLine(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                          std::string_view member, std::string_view value) {
    int closing = ConstructorEnd(doc, LocateDialogBlocks(doc, dialogName));
    if (closing < 0) return false;
    InsertStatement(doc, closing, object, member, value);
    return true;
}

bool WriteFieldLine(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                    std::string_view packClass) {
    int anchor = FieldAnchor(doc, LocateDialogBlocks(doc, dialogName), object.name, packClass);
    if (anchor < 0) return false;
    doc.InsertLine(anchor + 1, "   " + object.name + " as " + std::string(packClass), object.tag);
    return true;
}

void WriteComponent(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                    std::string_view packClass, const Bounds& bounds, std::string_view parentName) {
    DialogBlocks blocks = LocateDialogBlocks(doc, dialogName);
    int closing = ConstructorEnd(doc, blocks);
    if (!object.ownContainer) {
        int anchor = FieldAnchor(doc, blocks, object.name, packClass);
        if (anchor >= 0) {
            doc.InsertLine(anchor + 1, "   " + object.name + " as " + std::string(packClass), object.tag);
            if (anchor < closing) ++closing;
        }
    }
    if (closing < 0) return;
    InsertStatement(doc, closing, object, "Parent=", "@" + std::string(parentName));
    InsertStatement(doc, closing, object, "SetBounds", BoundsArguments(bounds));
}

bool UpdateBounds(LineDocument& doc, std::string_view dialogName, const CodeObject& object, const Bounds& bounds) {
    if (!object.tag) return false;
    UpdateBoundsProperties(doc, object, bounds);
    int line = FindBoundsCall(doc, dialogName, object);
    if (line >= 0) {
        doc.SetLine(line, WithArguments(doc.Line(line), BoundsArguments(bounds)));
        doc.SetTag(line, object.tag);
        return true;
    }
    if (doc.FindTag(object.tag) < 0) return false;
    return WriteConstructorLine(doc, dialogName, object, "SetBounds", BoundsArguments(bounds));
}

}  // namespace tavrin
