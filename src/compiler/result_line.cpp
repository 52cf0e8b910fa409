#include "compiler/result_line.h"

#include "compiler/message_location.h"
#include "common/text.h"

namespace tavrin {

ResultPosition ParseResultLine(const std::string& text) {
    std::string broken = text;
    for (char& c : broken)
        if (c == '(' || c == ')') c = '\n';
    std::vector<std::string> parts = Split(broken, '\n');
    ResultPosition position;
    position.fileName = parts.empty() ? std::string() : parts[0];
    long long number = 0;
    if (parts.size() > 1 && !parts[1].empty() && ParseInt(parts[1], number) &&
        number >= 0 && number <= 0x7fffffff && parts[1].find_first_of(" \t+-") == std::string::npos)
        position.line = static_cast<int>(number);
    return position;
}

ResultPosition LocateResultLine(const std::string& text,
                                const std::function<bool(const std::string&)>& fileExists) {
    ResultPosition position = ParseResultLine(text);
    if (fileExists(position.fileName)) return position;
    MessageLocation message = FindMessageLocation(text, fileExists);
    if (message.file.empty() || !fileExists(message.file)) return position;
    ResultPosition located;
    located.fileName = message.file;
    if (message.lineValid && message.line >= 0 && message.line <= 0x7fffffff)
        located.line = static_cast<int>(message.line);
    return located;
}

}  // namespace tavrin
