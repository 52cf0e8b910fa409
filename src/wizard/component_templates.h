// The source texts the new component wizard writes for a new window class:
// the API text (a plain window class), or the declaration and the
// implementation of a class of the pack's class library. Lines end with
// CR LF, the last one too.
#pragma once

#include <string>

namespace tavrin {

struct ComponentChoice {
    std::string className;            // C
    std::string ancestor;             // A: empty for a class of its own
    std::string classInstance = "0";  // I: the module argument of GetClassInfoEx
    bool subclass = false;            // takes over the ancestor's window procedure per window
    bool superclass = true;           // registers a class of its own on the ancestor's procedure
};

std::string ApiText(const ComponentChoice& choice);
std::string DeclarationText(const ComponentChoice& choice);
std::string ImplementationText(const ComponentChoice& choice);

}  // namespace tavrin
