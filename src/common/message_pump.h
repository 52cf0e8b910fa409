// "Let pending window messages run": long operations (scans, compiler output
// reading, waiting for a program) call PumpMessages between their steps. The
// Win32 layer installs a pump that throttles itself by time; portable code and
// unit tests run with no pump installed.
#pragma once

#include <functional>

namespace tavrin {

void SetMessagePump(std::function<void()> pump);
void PumpMessages();

}  // namespace tavrin
