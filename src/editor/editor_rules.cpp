#include "editor/editor_rules.h"

#include <cstdio>

#include "common/text.h"

namespace tavrin {

std::vector<std::string_view> LineWords(std::string_view line, bool splitAtDots) {
    std::vector<std::string_view> words;
    size_t start = 0;
    auto separator = [&](char c) { return c == ' ' || (splitAtDots && c == '.'); };
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !separator(line[i])) continue;
        if (i > start) words.push_back(line.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

bool EnterTriggersRescan(std::string_view line) {
    std::vector<std::string_view> words = LineWords(line);
    if (words.empty()) return false;
    std::string_view first = words.front();
    for (std::string_view pattern : {"common dim var", "type", "declare"})
        if (pattern.find(first) != std::string_view::npos) return true;
    return false;
}

std::string CommentOn(std::string_view selection) {
    std::string text = "/'";
    text += selection;
    text += "'/";
    return text;
}

std::string CommentOff(std::string_view selection) {
    std::string text;
    text.reserve(selection.size());
    for (size_t i = 0; i < selection.size(); ++i) {
        if (i + 1 < selection.size() &&
            ((selection[i] == '/' && selection[i + 1] == '\'') ||
             (selection[i] == '\'' && selection[i + 1] == '/'))) {
            ++i;
            continue;
        }
        text += selection[i];
    }
    return text;
}

bool HoldsBlockCommentStart(std::string_view selection) {
    return selection.find("/'") != std::string_view::npos;
}

std::string CaretPanelText(int column, int line) {
    char text[48];
    snprintf(text, sizeof(text), "%d, %d", column, line);
    return text;
}

namespace {

std::shared_ptr<TField> LookUp(std::string_view name, size_t wordCount, const CompletionLookups& lookups) {
    if (lookups.findSymbol)
        if (auto symbol = lookups.findSymbol(name)) return symbol;
    if (wordCount >= 2 && lookups.findEntry) return lookups.findEntry(name);
    return nullptr;
}

// The members of a symbol: its own when the scanner recorded them (they match
// the editor's text, saved or not), else those the database reads from its file.
// A variable has none of its own: its type's members count.
const TField* MembersOwner(TField& symbol, size_t wordCount, const CompletionLookups& lookups) {
    if (!symbol.Fields.empty()) return &symbol;
    if (lookups.resolveFields && lookups.resolveFields(symbol) > 0) return &symbol;
    if (!symbol.Return.empty() && !EqualsNoCase(symbol.Return, symbol.Name())) {
        auto type = LookUp(symbol.Return, wordCount, lookups);
        if (type && type.get() != &symbol && !type->Fields.empty()) return type.get();
        if (type && lookups.resolveFields && lookups.resolveFields(*type) > 0) return type.get();
    }
    return nullptr;
}

CompletionLists ListsOf(const TField& symbol) {
    CompletionLists lists;
    lists.found = true;
    for (const auto& member : symbol.Fields) {
        if (!member) continue;
        lists.items.push_back(member->Name() + "\t" + member->Kind + "\t" + member->Return);
        lists.insert.push_back(member->Name());
    }
    return lists;
}

}  // namespace

CompletionLists FindDotCompletion(int caretLine, const std::function<std::string(int)>& lineAt,
                                  const CompletionLookups& lookups) {
    std::string caretText = lineAt(caretLine);
    std::vector<std::string_view> caretWords = LineWords(caretText, true);
    if (caretWords.empty()) return {};
    std::string subject(caretWords.front());
    for (int index = caretLine; index >= 0; --index) {
        std::string text = lineAt(index);
        std::vector<std::string_view> words = LineWords(text, true);
        if (words.empty()) break;  // an empty line ends the search
        if (EqualsNoCase(words[0], "dim") || EqualsNoCase(words[0], "common")) {
            if (words.size() > 1 && EqualsNoCase(words[1], "shared")) words.erase(words.begin() + 1);
            if (words.size() >= 4 && EqualsNoCase(words[1], "as") && EqualsNoCase(words[3], subject)) {
                auto type = LookUp(words[2], words.size(), lookups);
                if (const TField* owner = type ? MembersOwner(*type, words.size(), lookups) : nullptr)
                    return ListsOf(*owner);
            }
            continue;
        }
        subject = std::string(words[0]);
        if (auto symbol = LookUp(subject, words.size(), lookups)) {
            if (lookups.rescanPage) lookups.rescanPage();
            const TField* owner = MembersOwner(*symbol, words.size(), lookups);
            CompletionLists lists = owner ? ListsOf(*owner) : CompletionLists{true, {}, {}};
            if (lookups.showMembers) {
                std::string text;
                for (size_t i = 0; i < lists.insert.size(); ++i) {
                    if (i) text += "\n";
                    text += lists.insert[i];
                }
                lookups.showMembers(text);
            }
            return lists;
        }
    }
    return {};
}

}  // namespace tavrin
