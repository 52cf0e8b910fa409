// Every modal interaction of the workbench goes through this interface:
// message boxes, file and folder boxes and input boxes. The Win32 layer shows
// the real boxes; tests use a scripted implementation that records every text
// shown and answers from a queue.
#pragma once

#include <string>
#include <vector>

namespace tavrin {

enum class Answer { Ok, Cancel, Yes, No };

struct FileBoxRequest {
    std::string title;
    std::string filter;        // "Name|*.a;*.b|Other|*.c" (pairs separated by '|')
    int filterIndex = 1;       // 1-based, as the common dialogs count
    std::string initialDir;
    std::string fileName;      // initial name
    std::string defaultExt;
    bool multiSelect = false;
    bool confirmOverwrite = false;
};

struct FileBoxResult {
    bool accepted = false;
    std::vector<std::string> files;  // full paths
    int filterIndex = 1;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void Information(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    // Yes or No.
    virtual Answer ConfirmYesNo(const std::string& text) = 0;
    // Yes, No or Cancel.
    virtual Answer ConfirmYesNoCancel(const std::string& text) = 0;
    virtual FileBoxResult OpenFile(const FileBoxRequest& request) = 0;
    virtual FileBoxResult SaveFile(const FileBoxRequest& request) = 0;
    // Returns false when cancelled.
    virtual bool ChooseFolder(const std::string& title, std::string& folder) = 0;
    virtual bool InputBox(const std::string& caption, const std::string& prompt,
                          std::string& value) = 0;
    // Colour as 0x00BBGGRR; returns false when cancelled.
    virtual bool PickColor(unsigned& color) = 0;
    virtual bool PickFont(std::string& name, int& size) = 0;
};

// The prompts the workbench uses; set once at start (or by a test).
Prompts& UserPrompts();
void SetUserPrompts(Prompts* prompts);

}  // namespace tavrin
