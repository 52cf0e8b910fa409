#include "ui/view_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrin {
namespace {

// Gutter clicks reach only the subsystem whose view is shown: the last one a
// subsystem put up, not the last one that registered.
TEST(ViewRouter, ClicksGoToTheViewShown) {
    ViewRouter router;
    std::vector<std::string> clicks;
    ViewRouter::ViewId lines = router.Register("lines", [&](int l) { clicks.push_back("lines " + std::to_string(l)); });
    ViewRouter::ViewId messages =
        router.Register("messages", [&](int l) { clicks.push_back("messages " + std::to_string(l)); });
    router.Register("database", [&](int l) { clicks.push_back("database " + std::to_string(l)); });

    router.Click(1);  // nothing shown yet
    EXPECT_TRUE(clicks.empty());

    EXPECT_TRUE(router.Activate(messages));
    router.Click(2);
    EXPECT_TRUE(router.Activate("database"));
    router.Click(3);
    EXPECT_TRUE(router.Activate(lines));
    router.Click(4);
    EXPECT_EQ(clicks, (std::vector<std::string>{"messages 2", "database 3", "lines 4"}));
    EXPECT_EQ(router.ActiveName(), "lines");
}

TEST(ViewRouter, UnknownViewsLeaveTheActiveOne) {
    ViewRouter router;
    int clicked = 0;
    ViewRouter::ViewId only = router.Register("only", [&](int) { ++clicked; });
    router.Activate(only);
    EXPECT_FALSE(router.Activate("missing"));
    EXPECT_FALSE(router.Activate(7));
    EXPECT_FALSE(router.Activate(ViewRouter::kNoView));
    router.Click(0);
    EXPECT_EQ(clicked, 1);
    ViewRouter::ViewId silent = router.Register("silent", nullptr);
    router.Activate(silent);
    router.Click(0);  // a view without a handler ignores clicks
    EXPECT_EQ(clicked, 1);
}

}  // namespace
}  // namespace tavrin
