#include "common/message_pump.h"

#include <utility>

namespace tavrin {

namespace {
std::function<void()>& Pump() {
    static std::function<void()> pump;
    return pump;
}

int& Pauses() {
    static int pauses = 0;
    return pauses;
}
}  // namespace

void SetMessagePump(std::function<void()> pump) { Pump() = std::move(pump); }

void PumpMessages() {
    if (Pump() && Pauses() == 0) Pump()();
}

MessagePumpPause::MessagePumpPause() { ++Pauses(); }

MessagePumpPause::~MessagePumpPause() { --Pauses(); }

}  // namespace tavrin
