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

// What window procedures use: the error being handled, shown as RunCommand
// shows it, and never an exception out of the report.
TEST(Commands, TheErrorBeingHandledIsReportedAsACommandsError) {
    test::ScriptedPrompts prompts;
    auto report = [](auto&& thrower) {
        try {
            thrower();
        } catch (...) {
            ReportCurrentError();
        }
    };
    report([] { throw CommandError("Internal error $cc - Can't compile."); });
    report([] { throw CommandAborted{}; });
    report([] { throw std::out_of_range("bad index"); });
    report([] { throw "text"; });
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::Error),
              (std::vector<std::string>{"Internal error $cc - Can't compile.", "bad index",
                                        "internal error. $01"}));

    class FailingPrompts : public test::ScriptedPrompts {
    public:
        FailingPrompts() : ScriptedPrompts(false) {}
        void Error(const std::string&) override { throw std::runtime_error("no box"); }
    } failing;
    SetUserPrompts(&failing);
    EXPECT_NO_THROW(report([] { throw CommandError("lost"); }));
    EXPECT_FALSE(RunCommand([] { throw CommandError("lost"); }));
    SetUserPrompts(&prompts);
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
