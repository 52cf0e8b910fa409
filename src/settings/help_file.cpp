#include "settings/help_file.h"

namespace tavrin {

std::string& ApplicationHelpFile() {
    static std::string helpFile;
    return helpFile;
}

}  // namespace tavrin
