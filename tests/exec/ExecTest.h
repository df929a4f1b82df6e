#pragma once
#include "support/ScopedEnv.h"
#include "app/SetupApp.h"
#include "support/Recorder.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The one application object of a test program, made on first use: the runner's boxes carry its
// title and the runner counts its wait cursor.
CSetupApp& App();

// An error box as the user saw it, with the state of the run at that moment.
struct ShownBox {
    std::string caption;
    std::string text;
    bool errorIcon = false;
    std::vector<std::string> logWhenShown;
    int waitCursorWhenShown = 0;
};

// A scratch folder for programs, an install log of the test's own, a recorder file every started
// recorder writes to, and a wait cursor already on (count 1), which each road must leave at 1.
class ExecTest : public ::testing::Test {
protected:
    ExecTest();
    ~ExecTest() override;
    void TearDown() override;

    // Copies the recorder to the scratch folder under relName; returns its full path.
    std::string PlaceRecorder(const std::string& relName) const;
    std::vector<testsupport::RecorderRecord> Records() const;
    // The texts of the entries the test wrote, stamps removed and line ends as the program passed them.
    std::vector<std::string> LogEntries() const;
    std::string LogBytes() const;

    // Runs call on this thread while a person answers each error box with OK; returns the boxes in
    // the order they came. A box more or fewer than expectedBoxes fails the test.
    std::vector<ShownBox> Answering(size_t expectedBoxes, const std::function<void()>& call);

    testsupport::ScratchDir m_scratch;
    const std::string m_log;
    const std::string m_records;

private:
    testsupport::ScopedEnv m_recorderFile;
    std::string m_oldDir;
};

// The system's message text for an error code, inserts left as they are.
std::string SystemMessage(DWORD code);
