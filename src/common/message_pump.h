// "Let pending window messages run": long operations (scans, compiler output
// reading, waiting for a program) call PumpMessages between their steps. The
// Win32 layer installs a pump that throttles itself by time; portable code and
// unit tests run with no pump installed.
//
// A change that must not be interleaved with other commands (an undo step
// recreating a dialog's components and its code) holds a MessagePumpPause:
// while one exists, PumpMessages lets nothing run, so no command can enter
// the half-made state; the held messages run afterwards as usual.
#pragma once

#include <functional>

namespace tavrin {

void SetMessagePump(std::function<void()> pump);
void PumpMessages();

class MessagePumpPause {
public:
    MessagePumpPause();
    ~MessagePumpPause();
    MessagePumpPause(const MessagePumpPause&) = delete;
    MessagePumpPause& operator=(const MessagePumpPause&) = delete;
};


}  // namespace tavrin
