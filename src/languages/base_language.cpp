#include "languages/base_language.h"

#include <utility>

#include "common/text.h"

namespace tavrin {

namespace {

bool NonEmpty(const std::optional<std::string>& text) { return text && !text->empty(); }

void AddLine(std::vector<std::string>& lines, const std::string& key, const std::string& text) {
    lines.push_back(key + "=" + EscapeLanguageValue(text));
}

void AddComponentLines(std::vector<std::string>& lines, const PublishedComponent& component) {
    const ComponentRole role = component.role;
    bool captionShown = role != ComponentRole::ToolButton && role != ComponentRole::ToolBar &&
                        role != ComponentRole::Panel;
    if (captionShown && NonEmpty(component.caption)) AddLine(lines, component.name + ".caption", *component.caption);
    if (NonEmpty(component.text)) AddLine(lines, component.name + ".text", *component.text);
    bool hintShown = role != ComponentRole::MenuItem && role != ComponentRole::ToolSeparator;
    if (hintShown && !component.name.empty() && NonEmpty(component.hint))
        AddLine(lines, component.name + ".hint", *component.hint);
}

const PublishedComponent* FindComponent(const PublishedWindow& window, std::string_view name) {
    for (const PublishedComponent& component : window.components)
        if (!component.name.empty() && EqualsNoCase(component.name, name)) return &component;
    return nullptr;
}

bool IsBlockStart(const std::string& line) { return !line.empty() && line.front() == '['; }

std::string KeyOf(const std::string& line) { return ToLower(line.substr(0, line.find('='))); }

// Where the block of that window starts and ends (one past its last line); npos when absent.
std::pair<std::size_t, std::size_t> FindBlock(const std::vector<std::string>& lines, const std::string& header) {
    for (std::size_t start = 0; start < lines.size(); ++start) {
        if (!IsBlockStart(lines[start]) || !EqualsNoCase(lines[start], header)) continue;
        std::size_t end = start + 1;
        while (end < lines.size() && !IsBlockStart(lines[end])) ++end;
        return {start, end};
    }
    return {std::string::npos, std::string::npos};
}

}  // namespace

std::vector<std::string> MergeBaseLines(std::vector<std::string> lines, const std::vector<std::string>& more) {
    std::size_t index = 0;
    while (index < more.size()) {
        std::size_t next = index + 1;
        while (next < more.size() && !IsBlockStart(more[next])) ++next;
        const std::string& header = more[index];
        auto [start, end] = IsBlockStart(header) ? FindBlock(lines, header)
                                                  : std::pair{std::string::npos, std::string::npos};
        if (start == std::string::npos) {
            lines.insert(lines.end(), more.begin() + static_cast<std::ptrdiff_t>(index),
                         more.begin() + static_cast<std::ptrdiff_t>(next));
        } else {
            for (std::size_t line = index + 1; line < next; ++line) {
                bool known = false;
                for (std::size_t have = start + 1; have < end && !known; ++have)
                    known = KeyOf(lines[have]) == KeyOf(more[line]);
                if (known) continue;
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), more[line]);
                ++end;
            }
        }
        index = next;
    }
    return lines;
}

std::vector<std::string> BaseLanguageLines(const std::vector<PublishedWindow>& windows) {
    std::vector<std::string> lines;
    for (const PublishedWindow& window : windows) {
        lines.push_back("[" + window.name + "]");
        if (window.caption) AddLine(lines, "caption", *window.caption);
        if (NonEmpty(window.hint)) AddLine(lines, "hint", *window.hint);
        for (const PublishedComponent& component : window.components) AddComponentLines(lines, component);
    }
    return lines;
}

AppliedLines ApplyLanguageTo(const LanguageFile& language, const PublishedWindow& window) {
    AppliedLines result;
    const LanguageSection* section = language.Find(window.name);
    if (!section) return result;
    for (const LanguageEntry& entry : section->entries) {
        bool set = false;
        std::size_t dot = entry.key.find('.');
        if (dot == std::string::npos) {
            set = window.properties.Set(entry.key, entry.value);
        } else if (const PublishedComponent* component = FindComponent(window, std::string_view(entry.key).substr(0, dot))) {
            set = component->properties.Set(std::string_view(entry.key).substr(dot + 1), entry.value);
        }
        ++(set ? result.applied : result.ignored);
    }
    return result;
}

namespace {

int Restore(const DesignProperties& properties, const char* name, const std::optional<std::string>& base) {
    if (!base || properties.Get(name) == base) return 0;
    return properties.Set(name, *base) ? 1 : 0;
}

}  // namespace

int RestoreBaseTexts(const PublishedWindow& window) {
    int restored = Restore(window.properties, "caption", window.caption) + Restore(window.properties, "hint", window.hint);
    for (const PublishedComponent& component : window.components)
        restored += Restore(component.properties, "caption", component.caption) +
                    Restore(component.properties, "text", component.text) +
                    Restore(component.properties, "hint", component.hint);
    return restored;
}

AppliedLines ApplyLanguage(const LanguageFile& language, const std::vector<PublishedWindow>& windows) {
    AppliedLines total;
    for (const PublishedWindow& window : windows) {
        AppliedLines one = ApplyLanguageTo(language, window);
        total.applied += one.applied;
        total.ignored += one.ignored;
    }
    return total;
}

}  // namespace tavrin
