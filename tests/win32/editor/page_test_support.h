// Shared set-up of the code page tests: a clean workbench with no pages, a
// scratch folder and small file helpers; the editor tests' new page.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "../workbench/workbench_fixture.h"
#include "workbench/code_window.h"
#include "workbench/code_page.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin::test {

class PageTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the scratch folder with the given bytes; returns its path.
    std::string WriteScratch(const std::string& name, const std::string& bytes);
    std::string ReadBytes(const std::string& path);
    TCodePage* ActivePage();
    // Answers the next save box with the path and filter.
    void AnswerSaveBox(const std::string& path, int filterIndex);

    std::string folder_;
};

// A page test on a new code page with its editor frame.
class EditorFrameTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        App().Main->Hooks.newPage(false);
        page_ = ActivePage();
        ASSERT_NE(page_, nullptr);
    }
    void SetText(const std::string& text) {
        page_->Editor().Lines().SetText(text);
        Pump(20);
    }
    TELSuperEdit& Edit() { return page_->Editor().Edit(); }
    std::unique_ptr<TError> Error(int line, uint8_t kind, uint32_t fg, uint32_t bg) {
        auto error = std::make_unique<TError>();
        error->SetKind(kind);
        error->Line = line;
        error->Foreground = fg;
        error->Background = bg;
        return error;
    }
    TCodePage* page_ = nullptr;
};

}  // namespace tavrin::test
