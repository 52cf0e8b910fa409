// Where the list classes report their errors. The library shows message boxes; the
// report goes through a replaceable sink so that the window layer (or a test) decides.
#pragma once

#include <string>

#include "packlib/api.h"

namespace velpack {

// Style of the lists' error boxes: MB_TOPMOST | MB_TASKMODAL | MB_ICONHAND.
constexpr unsigned kListErrorStyle = 270352;

// ownedByActiveWindow: the box belongs to the active window (index errors) or to none
// (file errors).
using ListErrorSink = void (*)(bool ownedByActiveWindow, const std::string& text,
                               const std::string& caption);

// Installs the sink; null restores the default, which writes the report to stderr.
VELPACK_API void SetListErrorSink(ListErrorSink sink);
void ReportListError(bool ownedByActiveWindow, const std::string& text,
                     const std::string& caption);

}  // namespace velpack
