// Pending messages run only while no pause is held: a change that must stay
// whole keeps commands from entering it, and nothing is held after it ends.
#include <gtest/gtest.h>

#include "common/message_pump.h"

namespace tavrin {
namespace {

TEST(MessagePump, APauseHoldsTheMessagesBackUntilTheLastNestedPauseEnds) {
    int runs = 0;
    SetMessagePump([&] { ++runs; });
    PumpMessages();
    EXPECT_EQ(runs, 1);
    {
        MessagePumpPause outer;
        PumpMessages();
        {
            MessagePumpPause inner;
            PumpMessages();
        }
        PumpMessages();
        EXPECT_EQ(runs, 1) << "an inner pause ending does not end the outer one";
    }
    PumpMessages();
    EXPECT_EQ(runs, 2);
    SetMessagePump(nullptr);
    PumpMessages();  // no pump installed: nothing to run, no crash
    EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace tavrin
