// This program carries no dialog template, as a setup.exe whose resources were lost would: the
// install dialog cannot be created, and the sequence ends at the gate without a word.
#include <windows.h>

#include <gtest/gtest.h>

#include "LogEntries.h"
#include "Texts.h"
#include "app/SetupApp.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/UiDriver.h"

using namespace apptest;

namespace {

TEST(DialogMissing, EndsTheRunWith1603AndShowsNothing) {
    testsupport::RemoveLog();
    CSetupApp app;
    // Any window that shows up is dismissed, and fails the test.
    testsupport::UiDriver driver;
    testsupport::DriverThread thread(driver, [](testsupport::UiDriver&) {});

    const BOOL result = app.InitInstance();
    thread.Join();

    EXPECT_EQ(-1, result);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(1603u, quit.wParam);
    const std::vector<std::string> log = ReadLogEntries();
    testsupport::RemoveLog();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ((std::vector<std::string>{"", "", kStartBanner}), std::vector<std::string>(log.begin() + 1, log.end()));
}

}  // namespace
