// Shared set-up of the code page tests: a clean workbench with no pages, a
// scratch folder and small file helpers.
#pragma once

#include <gtest/gtest.h>

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

}  // namespace tavrin::test
