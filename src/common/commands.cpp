#include "common/commands.h"

#include "common/prompts.h"

namespace tavrin {

bool RunCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const CommandAborted&) {
        return false;
    } catch (const std::exception& error) {
        try {
            UserPrompts().Error(error.what());
        } catch (...) {
        }
        return false;
    } catch (...) {
        try {
            UserPrompts().Error("internal error. $01");
        } catch (...) {
        }
        return false;
    }
}

}  // namespace tavrin
