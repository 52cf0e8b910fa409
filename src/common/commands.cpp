#include "common/commands.h"

#include "common/prompts.h"

namespace tavrin {

namespace {

UnexpectedErrorObserver unexpectedErrorObserver;

void ShowError(const std::string& text) noexcept {
    try {
        UserPrompts().Error(text);
    } catch (...) {
    }
}

// The text of an unexpected error with what its observer adds.
std::string Unexpected(const std::string& what) noexcept {
    try {
        return unexpectedErrorObserver ? what + unexpectedErrorObserver(what) : what;
    } catch (...) {
        return what;
    }
}

}  // namespace

void SetUnexpectedErrorObserver(UnexpectedErrorObserver observer) {
    unexpectedErrorObserver = std::move(observer);
}

void ReportCurrentError() noexcept {
    try {
        throw;
    } catch (const CommandAborted&) {
    } catch (const CommandError& error) {
        ShowError(error.what());
    } catch (const std::exception& error) {
        ShowError(Unexpected(error.what()));
    } catch (...) {
        ShowError(Unexpected("internal error. $01"));
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
