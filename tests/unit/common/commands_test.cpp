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

// Faults of the workbench's own code reach the observer, whose text joins
// the error box; a command's own error and a Cancel do not.
TEST(Commands, UnexpectedErrorsAreToldToTheObserver) {
    test::ScriptedPrompts prompts;
    std::vector<std::string> told;
    SetUnexpectedErrorObserver([&](const std::string& what) {
        told.push_back(what);
        return std::string(" (pages kept)");
    });
    EXPECT_FALSE(RunCommand([] { throw CommandError("Internal error $2.\nNo dialog attached."); }));
    EXPECT_FALSE(RunCommand([] { throw CommandAborted{}; }));
    EXPECT_FALSE(RunCommand([] { throw std::out_of_range("list index out of bounds"); }));
    EXPECT_FALSE(RunCommand([] { throw 42; }));
    SetUnexpectedErrorObserver([](const std::string&) -> std::string { throw std::runtime_error("observer failed"); });
    EXPECT_FALSE(RunCommand([] { throw std::logic_error("bad state"); }));
    SetUnexpectedErrorObserver(nullptr);
    EXPECT_EQ(told, (std::vector<std::string>{"list index out of bounds", "internal error. $01"}));
    EXPECT_EQ(prompts.TextsOf(test::ScriptedPrompts::Kind::Error),
              (std::vector<std::string>{"Internal error $2.\nNo dialog attached.",
                                        "list index out of bounds (pages kept)", "internal error. $01 (pages kept)",
                                        "bad state"}));
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
