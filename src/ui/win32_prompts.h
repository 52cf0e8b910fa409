// The real user prompts: Win32 message boxes and common dialogs.
#pragma once

#include <windows.h>

#include "common/prompts.h"

namespace tavrin {

class Win32Prompts : public Prompts {
public:
    // Boxes are owned by the window the function returns (may be null).
    using OwnerFn = HWND (*)();
    explicit Win32Prompts(OwnerFn owner = nullptr) : owner_(owner) {}

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    Answer ConfirmYesNo(const std::string& text) override;
    Answer ConfirmYesNoCancel(const std::string& text) override;
    FileBoxResult OpenFile(const FileBoxRequest& request) override;
    FileBoxResult SaveFile(const FileBoxRequest& request) override;
    bool ChooseFolder(const std::string& title, std::string& folder) override;
    bool InputBox(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool PickColor(unsigned& color) override;
    bool PickFont(std::string& name, int& size) override;

private:
    HWND Owner() const;
    OwnerFn owner_;
};

// The application title used as caption of message boxes.
const char* ApplicationTitle();
void SetApplicationTitle(const std::string& title);

}  // namespace tavrin
