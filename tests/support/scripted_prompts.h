// A Prompts implementation for tests: records every box shown (kind and text)
// and answers from queues that the test fills beforehand. A box that finds
// its queue empty gets a neutral answer (Cancel, a cancelled file box) and is
// still recorded, so a test can see that an unexpected question came.
//
//   tavrin::test::ScriptedPrompts prompts;      // installs itself
//   prompts.answers.push_back(tavrin::Answer::Yes);
//   ... code under test ...
//   EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Missing compilation file"}));
#pragma once

#include "common/prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace tavrin::test {

class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Information, Error, ConfirmYesNo, ConfirmYesNoCancel, OpenFile, SaveFile,
                      ChooseFolder, InputBox, PickColor, PickFont };
    struct Shown {
        Kind kind;
        std::string text;  // message text, file box title or input prompt
    };

    // Installs itself as the workbench's prompts until it is destroyed.
    explicit ScriptedPrompts(bool install = true) : installed_(install) {
        if (install) SetUserPrompts(this);
    }
    ~ScriptedPrompts() override {
        if (installed_) SetUserPrompts(nullptr);
    }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    std::deque<Answer> answers;            // confirmations
    std::deque<FileBoxResult> fileResults; // open and save boxes
    std::deque<std::string> inputs;        // input boxes and folder choosers (accepted)
    std::deque<unsigned> colors;
    // Answers of the font box (face, size), in order; none left: cancelled.
    std::deque<std::pair<std::string, int>> fonts;
    std::vector<Shown> shown;
    std::vector<FileBoxRequest> fileRequests;

    // The texts of every box shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& box : shown) texts.push_back(box.text);
        return texts;
    }
    std::vector<std::string> TextsOf(Kind kind) const {
        std::vector<std::string> texts;
        for (const Shown& box : shown)
            if (box.kind == kind) texts.push_back(box.text);
        return texts;
    }

    void Information(const std::string& text) override {
        shown.push_back({Kind::Information, text});
    }
    void Error(const std::string& text) override { shown.push_back({Kind::Error, text}); }
    Answer ConfirmYesNo(const std::string& text) override {
        shown.push_back({Kind::ConfirmYesNo, text});
        return NextAnswer(Answer::No);
    }
    Answer ConfirmYesNoCancel(const std::string& text) override {
        shown.push_back({Kind::ConfirmYesNoCancel, text});
        return NextAnswer(Answer::Cancel);
    }
    FileBoxResult OpenFile(const FileBoxRequest& request) override {
        shown.push_back({Kind::OpenFile, request.title});
        return NextFile(request);
    }
    FileBoxResult SaveFile(const FileBoxRequest& request) override {
        shown.push_back({Kind::SaveFile, request.title});
        return NextFile(request);
    }
    bool ChooseFolder(const std::string& title, std::string& folder) override {
        shown.push_back({Kind::ChooseFolder, title});
        return NextInput(folder);
    }
    bool InputBox(const std::string& caption, const std::string& prompt,
                  std::string& value) override {
        shown.push_back({Kind::InputBox, prompt});
        return NextInput(value);
    }
    bool PickColor(unsigned& color) override {
        shown.push_back({Kind::PickColor, ""});
        if (colors.empty()) return false;
        color = colors.front();
        colors.pop_front();
        return true;
    }
    bool PickFont(std::string& name, int& size) override {
        shown.push_back({Kind::PickFont, name});
        if (fonts.empty()) return false;
        name = fonts.front().first;
        size = fonts.front().second;
        fonts.pop_front();
        return true;
    }

private:
    Answer NextAnswer(Answer whenEmpty) {
        if (answers.empty()) return whenEmpty;
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    FileBoxResult NextFile(const FileBoxRequest& request) {
        fileRequests.push_back(request);
        if (fileResults.empty()) return {};
        FileBoxResult result = fileResults.front();
        fileResults.pop_front();
        return result;
    }
    bool NextInput(std::string& value) {
        if (inputs.empty()) return false;
        value = inputs.front();
        inputs.pop_front();
        return true;
    }

    bool installed_;
};

}  // namespace tavrin::test
