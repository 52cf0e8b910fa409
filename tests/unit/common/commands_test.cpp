#include "common/commands.h"

#include <gtest/gtest.h>

#include "common/message_pump.h"
#include "support/scripted_prompts.h"

namespace tavrin {
namespace {

TEST(Commands, CancelEndsTheCommandSilentlyAndErrorsAreShown) {
    test::ScriptedPrompts prompts;
    int steps = 0;
    EXPECT_FALSE(RunCommand([&] {
        ++steps;
        throw CommandAborted{};
    }));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(prompts.shown.empty()) << "a Cancel shows nothing";

    EXPECT_FALSE(RunCommand([] { throw CommandError("Internal error $2.\nNo dialog attached."); }));
    EXPECT_FALSE(RunCommand([] { throw 42; }));
    EXPECT_TRUE(RunCommand([&] { ++steps; }));
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::Error),
              (std::vector<std::string>{"Internal error $2.\nNo dialog attached.", "internal error. $01"}));
}

TEST(Commands, MessagePumpRunsOnlyWhenInstalled) {
    PumpMessages();  // nothing installed: no effect, no crash
    int pumped = 0;
    SetMessagePump([&] { ++pumped; });
    PumpMessages();
    PumpMessages();
    SetMessagePump(nullptr);
    PumpMessages();
    EXPECT_EQ(pumped, 2);
}

}  // namespace
}  // namespace tavrin
