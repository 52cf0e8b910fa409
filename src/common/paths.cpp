#include "common/paths.h"

namespace tavrin {

namespace {

size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/:"); }

size_t NameStart(std::string_view path) {
    size_t separator = LastSeparator(path);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string ExtractFileDir(std::string_view path) {
    size_t separator = LastSeparator(path);
    if (separator == std::string_view::npos) return {};
    if (path[separator] == ':') return std::string(path.substr(0, separator + 1));
    return std::string(path.substr(0, separator));
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    size_t nameStart = NameStart(path);
    size_t dot = path.rfind('.');
    std::string_view stem = (dot == std::string_view::npos || dot < nameStart) ? path : path.substr(0, dot);
    return std::string(stem) + std::string(extension);
}

}  // namespace tavrin
