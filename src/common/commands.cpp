#include "common/commands.h"

#include "common/prompts.h"

namespace tavrin {

namespace {

void ShowError(const char* text) noexcept {
    try {
        UserPrompts().Error(text);
    } catch (...) {
    }
}

}  // namespace

void ReportCurrentError() noexcept {
    try {
        throw;
    } catch (const CommandAborted&) {
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError("internal error. $01");
    }
}

bool RunCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (...) {
        ReportCurrentError();
        return false;
    }
}

}  // namespace tavrin
