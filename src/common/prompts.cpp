#include "common/prompts.h"

#include <stdexcept>

namespace tavrin {

namespace {
Prompts* currentPrompts = nullptr;
}

Prompts& UserPrompts() {
    if (!currentPrompts) throw std::logic_error("no user prompts installed");
    return *currentPrompts;
}

void SetUserPrompts(Prompts* prompts) { currentPrompts = prompts; }

}  // namespace tavrin
