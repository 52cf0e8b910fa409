#include "designer/design_clipboard.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/text.h"
#include "designer/unique_names.h"

namespace tavrin {

namespace {

// "%" and line breaks become "%25", "%0D", "%0A".
std::string Escape(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        if (c == '%') escaped += "%25";
        else if (c == '\r') escaped += "%0D";
        else if (c == '\n') escaped += "%0A";
        else escaped += c;
    }
    return escaped;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string Unescape(std::string_view value) {
    std::string plain;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            int high = HexDigit(value[i + 1]);
            int low = HexDigit(value[i + 2]);
            if (high >= 0 && low >= 0) {
                plain += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        plain += value[i];
    }
    return plain;
}

void Write(const ClipboardComponent& component, int depth, std::string& text) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    text += indent + "object " + component.name + ": " + component.className + "\r\n";
    for (const auto& [name, value] : component.properties) text += indent + "  " + name + "=" + Escape(value) + "\r\n";
    for (const ClipboardComponent& child : component.children) Write(child, depth + 1, text);
    text += indent + "end\r\n";
}

std::string_view Trimmed(std::string_view line) {
    size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    size_t last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

template <typename Visit>
void ForEach(std::vector<ClipboardComponent>& components, const Visit& visit) {
    for (ClipboardComponent& c : components) {
        visit(c);
        ForEach(c.children, visit);
    }
}

}  // namespace

std::string ClipboardText(const std::vector<ClipboardComponent>& components) {
    std::string text;
    for (const ClipboardComponent& component : components) Write(component, 0, text);
    return text;
}

std::vector<ClipboardComponent> ParseClipboardText(std::string_view text) {
    std::vector<ClipboardComponent> roots;
    std::vector<ClipboardComponent> open;  // the objects not yet ended, outermost first
    auto close = [&] {
        ClipboardComponent done = std::move(open.back());
        open.pop_back();
        (open.empty() ? roots : open.back().children).push_back(std::move(done));
    };
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string_view raw = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
        // Only leading blanks and the line break are layout; a value keeps its own trailing blanks.
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        std::string_view line = Trimmed(raw);
        if (line.empty()) continue;
        if (line.substr(0, 7) == "object ") {
            std::string_view rest = line.substr(7);
            size_t colon = rest.find(':');
            if (colon == std::string_view::npos) continue;
            ClipboardComponent component;
            component.name = std::string(Trimmed(rest.substr(0, colon)));
            component.className = std::string(Trimmed(rest.substr(colon + 1)));
            if (component.name.empty() || component.className.empty()) continue;
            open.push_back(std::move(component));
        } else if (line == "end") {
            if (!open.empty()) close();
        } else if (!open.empty()) {
            std::string_view property = raw.substr(raw.find_first_not_of(" \t"));
            size_t equals = property.find('=');
            if (equals == std::string_view::npos || equals == 0) continue;
            open.back().properties.emplace_back(std::string(property.substr(0, equals)),
                                                Unescape(property.substr(equals + 1)));
        }
    }
    while (!open.empty()) close();
    return roots;
}

void RenamePasted(std::vector<ClipboardComponent>& components, const std::function<bool(std::string_view)>& taken) {
    std::set<std::string> claimed;  // lower-case names the paste gives out
    auto free = [&](std::string_view name) { return !taken(name) && !claimed.count(ToLower(name)); };
    std::vector<ClipboardComponent*> renamed;
    ForEach(components, [&](ClipboardComponent& c) {
        if (free(c.name)) claimed.insert(ToLower(c.name));
        else renamed.push_back(&c);
    });
    std::map<std::string, std::string> newNames;  // lower-case old name -> new name
    for (ClipboardComponent* c : renamed) {
        std::string name = UniqueName(c->className, [&](std::string_view n) { return !free(n); });
        claimed.insert(ToLower(name));
        newNames.emplace(ToLower(c->name), name);
        c->name = name;
    }
    if (newNames.empty()) return;
    ForEach(components, [&](ClipboardComponent& c) {
        for (auto& property : c.properties) {
            auto found = newNames.find(ToLower(property.second));
            if (found != newNames.end()) property.second = found->second;
        }
    });
}

Point FreePasteSpot(Point at, const std::vector<Point>& siblings, int xStep, int yStep) {
    // Each step moves past at least one sibling's spot, so this ends.
    for (size_t guard = 0; guard <= siblings.size(); ++guard) {
        if (std::find(siblings.begin(), siblings.end(), at) == siblings.end()) break;
        at.x += xStep;
        at.y += yStep;
    }
    return at;
}

}  // namespace tavrin
