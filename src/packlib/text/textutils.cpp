#include "packlib/text/textutils.h"

#include <cctype>
#include <cstdarg>
#include <cstdint>

#include "packlib/text/numbers.h"

namespace velpack {

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace velpack

namespace {

std::size_t LastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

std::size_t ExtensionDot(const std::string& path);

}  // namespace

std::string ExtractFileName(const std::string& path) {
    std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ExtractFilePath(const std::string& path) {
    std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

namespace {

// The last "." of the file name part; a "." inside a folder name does not start an extension.
std::size_t ExtensionDot(const std::string& path) {
    std::size_t dot = path.rfind('.');
    std::size_t separator = LastSeparator(path);
    if (dot != std::string::npos && separator != std::string::npos && dot < separator)
        return std::string::npos;
    return dot;
}

}  // namespace

std::string ExtractFileExt(const std::string& path) {
    std::size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
    std::size_t dot = ExtensionDot(path);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + extension;
}

std::string ChangeFilePath(const std::string& path, const std::string& folder) {
    return folder + ExtractFileName(path);
}

int Tally(const std::string& find, const std::string& text) {
    if (find.empty()) return 0;
    int count = 0;
    for (std::size_t at = text.find(find); at != std::string::npos;
         at = text.find(find, at + find.size()))
        ++count;
    return count;
}

int Tally(const std::string& text, int number) {
    return Tally(std::to_string(number), text);
}

int SameText(const std::string& a, const std::string& b) {
    return velpack::EqualsNoCase(a, b) ? -1 : 0;
}

std::string Replace(const std::string& text, const std::string& find,
                    const std::string& replacement) {
    if (text.empty()) return std::string();
    if (find.empty() || replacement.empty()) return text;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string::npos;
         at = text.find(find, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + find.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string Format(const char* pattern, ...) {
    std::string result;
    if (!pattern) return result;
    va_list args;
    va_start(args, pattern);
    for (const char* p = pattern; *p; ++p) {
        if (*p != '%') { result += *p; continue; }
        if (!p[1]) { result += '%'; break; }
        switch (*++p) {
            case 'i': result += std::to_string(va_arg(args, std::int32_t)); break;
            case 'l': result += std::to_string(va_arg(args, long long)); break;
            case 'd':
            case 'f': result += velpack::DoubleText(va_arg(args, double)); break;
            case 's': {
                const char* text = va_arg(args, const char*);
                if (text) result += text;
                break;
            }
            default: break;  // "%" and the character after it are dropped
        }
    }
    va_end(args);
    return result;
}
