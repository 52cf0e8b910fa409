#include "packlib/lists/listerrors.h"

#include <cstdio>

namespace velpack {
namespace {

void WriteToStandardError(bool, const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

ListErrorSink currentSink = WriteToStandardError;

}  // namespace

void SetListErrorSink(ListErrorSink sink) {
    currentSink = sink ? sink : WriteToStandardError;
}

void ReportListError(bool ownedByActiveWindow, const std::string& text,
                     const std::string& caption) {
    currentSink(ownedByActiveWindow, text, caption);
}

}  // namespace velpack
