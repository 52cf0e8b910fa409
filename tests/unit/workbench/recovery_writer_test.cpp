// The recovery writer's thread: the last text given for a page is the one in
// the folder, a removal wins over writes given before it, failed writes are
// reported for another try, and nothing is written once it has stopped.
#include "workbench/recovery_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_search.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

RecoveryPageInfo Info(const std::string& caption) { return {"", caption}; }

TextFormat Format(TextEncoding encoding) {
    TextFormat format;
    format.encoding = encoding;
    return format;
}

std::string PageText(const RecoverySession& session, int id) {
    std::string path = NativePath(session.Folder()) + "/page-" + std::to_string(id) + ".txt";
    return test::Exists(path) ? test::ReadBytes(path) : "<missing>";
}

TEST(RecoveryWriter, TheLastTextGivenIsWrittenInThePagesEncodingAndRemovalsWin) {
    test::TempFolder root;
    RecoverySession session(root.Path(), "s");
    RecoveryWriter writer(session);
    for (int i = 0; i < 200; ++i) writer.Write(1, Info("noname1"), "text " + std::to_string(i), Format(TextEncoding::Ansi));
    writer.Write(2, Info("wide.bas"), "\xC3\xA9", Format(TextEncoding::Utf16LE));
    writer.Write(3, Info("gone"), "soon removed", Format(TextEncoding::Ansi));
    writer.Remove(3);
    writer.Write(4, Info("again"), "removed then written", Format(TextEncoding::Ansi));
    writer.Remove(4);
    writer.Write(4, Info("again"), "written after the removal", Format(TextEncoding::Ansi));
    writer.Flush();
    EXPECT_EQ(PageText(session, 1), "text 199");
    EXPECT_EQ(PageText(session, 2), std::string("\xFF\xFE\xE9\x00", 4));
    EXPECT_EQ(PageText(session, 3), "<missing>");
    EXPECT_EQ(PageText(session, 4), "written after the removal");
    EXPECT_TRUE(writer.TakeFailures().empty());
}

TEST(RecoveryWriter, FailedWritesAreReportedOnceAndAStoppedWriterWritesNothing) {
    test::TempFolder root;
    test::WriteBytes(root.Path("blocked"), "a file where the folder should be");
    RecoverySession blocked(root.Path("blocked"), "s");
    RecoveryWriter failing(blocked);
    failing.Write(7, Info("noname1"), "text", Format(TextEncoding::Ansi));
    failing.Flush();
    EXPECT_EQ(failing.TakeFailures(), std::vector<int>{7});
    EXPECT_TRUE(failing.TakeFailures().empty());

    RecoverySession session(root.Path(), "s");
    RecoveryWriter writer(session);
    writer.Stop();
    writer.Write(1, Info("noname1"), "late", Format(TextEncoding::Ansi));
    writer.Flush();  // returns at once: nothing runs any more
    EXPECT_FALSE(test::Exists(NativePath(session.Folder())));
}

}  // namespace
}  // namespace tavrin
