#pragma once
#include <gtest/gtest.h>

#include <string>

#include "DemoInstallCleanup.h"
#include "LogEntries.h"
#include "support/ScratchDir.h"

// A test that runs setup.exe on a copy of the demo medium in the shared prefix: it starts with
// nothing of the demo installed and no install log, and leaves nothing behind.
class DemoMediumTest : public ::testing::Test {
protected:
    // The log as it is on disk now.
    static std::string LogBytes();
    // The lines of <shared folder>\InstallRan.txt, one per run of Install.exe.
    static int InstallExeRuns();

    DemoInstallCleanup m_cleanup;
    testsupport::ScratchDir m_scratch;
};
