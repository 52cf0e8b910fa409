#include "workbench/save_box.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "workbench/page_rules.h"

namespace tavrin {
namespace {

using test::ScriptedPrompts;

FileBoxResult Chosen(const std::string& path, int filterIndex) {
    FileBoxResult result;
    result.accepted = true;
    result.files = {path};
    result.filterIndex = filterIndex;
    return result;
}

TEST(SaveBox, AReadOnlyFileIsRefusedWithAMessageAndTheBoxComesAgain) {
    test::TempFolder folder;
    const std::string readOnly = folder.Path("theirs.bas");
    test::WriteBytes(readOnly, "x");
    test::SetReadOnly(readOnly, true);
    ScriptedPrompts prompts;
    // The typed name gets ".bas" by the first filter and so names the read-only file.
    prompts.fileResults = {Chosen(folder.Path("theirs"), 1), Chosen(folder.Path("mine"), 1)};
    FileBoxRequest request;
    request.fileName = "first";
    std::optional<std::string> path = AskNameToWrite(request, SaveAsTarget);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, folder.Path("mine.bas"));
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              std::vector<std::string>{ReadOnlyMessage(readOnly)});
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[1].fileName, folder.Path("theirs")) << "the box shows the name refused";
    test::SetReadOnly(readOnly, false);
}

TEST(SaveBox, ACancelledBoxGivesNoName) {
    ScriptedPrompts prompts;
    EXPECT_FALSE(AskNameToWrite(FileBoxRequest{}, SaveAsTarget).has_value());
    EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace tavrin
