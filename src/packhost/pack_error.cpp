#include "packhost/pack_error.h"

namespace tavrin {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

PackError PackFileMissing(const std::string& path) {
    return {PackFailure::FileMissing, "The pack file " + Quoted(path) + " does not exist."};
}

PackError PackNotLoadable(const std::string& path, unsigned long systemCode,
                          const std::string& systemText) {
    std::string text = "The pack file " + Quoted(path) + " could not be loaded (system error " +
                       std::to_string(systemCode) + ")";
    return {PackFailure::NotLoadable, systemText.empty() ? text + "." : text + ": " + systemText};
}

PackError NotAPack(const std::string& path) {
    return {PackFailure::NotAPack,
            Quoted(path) + " is not a component pack: it exports none of the pack entry points."};
}

PackError MissingEntry(const std::string& path, const char* entryName) {
    return {PackFailure::MissingEntry,
            "The pack " + Quoted(path) + " does not export the entry point " + Quoted(entryName) + "."};
}

PackError BadRecord(const std::string& path, const std::string& property, const std::string& problem) {
    return {PackFailure::BadRecord, "The pack " + Quoted(path) + " returned a bad property record for " +
                                        Quoted(property) + ": " + problem + "."};
}

PackError UnreadableText(const std::string& path, const char* entryName) {
    return {PackFailure::UnreadableText,
            "The pack " + Quoted(path) + " returned an unreadable text from " + Quoted(entryName) + "."};
}

}  // namespace tavrin
