// The splash window of the start-up database step, inside the running
// workbench: shown without taking the activation (under Wine without a window
// manager an activated window stalls when hidden), and its progress line
// painted at most every 50 ms however often a scan reports a file.
#include <gtest/gtest.h>

#include <string>

#include "workbench/main_window.h"
#include "workbench/splash_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

class SplashTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        splash_ = App().Splash;
        load_ = splash_->LoadDataBase;
        build_ = splash_->BuildDataBase;
        save_ = splash_->SaveDataBase;
        splash_->LoadDataBase = [] { return false; };  // empty: the build step runs
        splash_->SaveDataBase = [this] { ++saves_; };
    }
    void TearDown() override {
        splash_->LoadDataBase = load_;
        splash_->BuildDataBase = build_;
        splash_->SaveDataBase = save_;
    }

    TSplash* splash_ = nullptr;
    int saves_ = 0;

private:
    std::function<bool()> load_;
    std::function<void()> build_, save_;
};

TEST_F(SplashTest, IsShownOnTopWithoutTakingTheActivationAndHiddenAfterTheBuild) {
    bool visible = false, active = true, topmost = false;
    splash_->BuildDataBase = [&] {
        HWND handle = splash_->Handle();
        visible = splash_->Visible();
        active = GetActiveWindow() == handle || GetForegroundWindow() == handle;
        topmost = (GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    splash_->RunDatabaseStep();
    EXPECT_TRUE(visible) << "the splash is shown while the database is built";
    EXPECT_TRUE(topmost);
    EXPECT_FALSE(active) << "the splash must not become the active window";
    EXPECT_FALSE(splash_->Visible());
    EXPECT_EQ(saves_, 1);
    EXPECT_EQ(SendMessageA(splash_->Handle(), WM_MOUSEACTIVATE,
                           reinterpret_cast<WPARAM>(App().Main->Handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE)
        << "a click on the splash must not activate it either";
}

TEST_F(SplashTest, ProgressIsPaintedAtMostEvery50MillisecondsAndKeepsTheLatestFile) {
    int paints = 0, reports = 0;
    DWORD elapsed = 0;
    int firstPaints = 0;
    splash_->BuildDataBase = [&] {
        int before = splash_->ProgressPaints();
        splash_->SetProgress("first.bi");
        firstPaints = splash_->ProgressPaints() - before;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 400) {
            splash_->SetProgress("file" + std::to_string(++reports) + ".bi");
            splash_->NoteProgress("Scan tine :0.00 sec(s)");
        }
        splash_->SetProgress("last.bi");
        elapsed = GetTickCount() - start;
        paints = splash_->ProgressPaints() - before;
    };
    splash_->RunDatabaseStep();
    EXPECT_EQ(firstPaints, 1) << "the first file is shown at once";
    EXPECT_GT(reports, 100) << "the loop reported too few files to tell";
    EXPECT_LE(paints, static_cast<int>(elapsed / TSplash::kProgressIntervalMs) + 2)
        << paints << " paints for " << reports << " files in " << elapsed << " ms";
    EXPECT_GE(paints, 2) << "the progress line must still move during a long build";
    EXPECT_EQ(splash_->Progress(), "last.bi") << "the latest text is kept for the next painting";
}

TEST_F(SplashTest, NotedTextIsKeptWithoutPaintingAndAHiddenSplashDoesNotPaint) {
    int paints = splash_->ProgressPaints();
    splash_->NoteProgress("Scan tine :1.25 sec(s)");
    EXPECT_EQ(splash_->Progress(), "Scan tine :1.25 sec(s)");
    ASSERT_FALSE(splash_->Visible());
    splash_->SetProgress("hidden.bi");
    EXPECT_EQ(splash_->Progress(), "hidden.bi");
    EXPECT_EQ(splash_->ProgressPaints(), paints);
}

}  // namespace
}  // namespace tavrin::test
