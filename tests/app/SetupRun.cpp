#include "SetupRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "BoxIcon.h"
#include "support/Paths.h"
#include "support/UiDriver.h"

namespace apptest {
namespace {

// Waits for windows of a setup that is busy with outside programs in between: those may take long
// on a loaded machine, so only a window that never comes while the setup still runs fails.
constexpr DWORD kWindowTimeoutMs = 180000;
constexpr DWORD kPollMs = 50;
constexpr int kNextButton = 1004;
constexpr int kMissingList = 1002;
const char kDialogCaption[] = "Install Zarvel";
const char kBoxCaption[] = "setup";

std::string ButtonName(int id) {
    switch (id) {
        case IDOK: return "OK";
        case IDYES: return "Yes";
        case IDNO: return "No";
        case IDCANCEL: return "Cancel";
        default: return std::to_string(id);
    }
}

std::string BoxLine(const std::string& icon, const std::vector<int>& buttons, const std::string& text, int pressed) {
    std::string names;
    for (int id : buttons) names += (names.empty() ? "" : "/") + ButtonName(id);
    return icon + " box [" + names + "] " + text + " => " + ButtonName(pressed);
}

// Adds what the recorder stand-ins noted since the last look.
void CatchUpRuns(const std::string& file, RunOutcome& outcome) {
    const auto records = testsupport::ReadRecords(file);
    for (size_t i = outcome.runs.size(); i < records.size(); ++i) {
        outcome.story.push_back(Ran(records[i].program, records[i].commandLine));
        outcome.runs.push_back(records[i]);
    }
}

// Next until the dialog has gone; the list of missing products as it stood before the second Next.
std::vector<std::string> PassDialog(testsupport::UiDriver& driver, HWND dialog) {
    const auto gone = [dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); };
    driver.Press(dialog, kNextButton);
    const DWORD start = GetTickCount();
    while (!gone()) {
        // When nothing is missing the dialog closes by itself, right after showing its empty list;
        // a filled list waits for the second Next.
        std::vector<std::string> lines;
        try {
            if (driver.IsControlVisible(dialog, kMissingList) && driver.IsControlEnabled(dialog, kNextButton))
                lines = driver.ListBoxLines(dialog, kMissingList);
        } catch (const std::runtime_error&) {
            if (gone()) break;
            throw;
        }
        if (!lines.empty()) {
            driver.Press(dialog, kNextButton);
            driver.WaitGone(dialog);
            return lines;
        }
        if (GetTickCount() - start > kWindowTimeoutMs) throw std::runtime_error("the install dialog did not move on");
        Sleep(kPollMs);
    }
    return {};
}

std::string SetupExe() { return testsupport::JoinPath(testsupport::BinDir(), "setup.exe"); }

}  // namespace

std::string ErrorBox(const std::string& text) { return BoxLine("error", {IDOK}, text, IDOK); }
std::string Question(const std::string& text, int answer) {
    return BoxLine("question", {IDYES, IDNO}, text, answer);
}
std::string Ran(const std::string& program, const std::string& commandLine) {
    return "ran " + program + ": " + commandLine;
}

RunOutcome RunSetup(const TestMedium& medium, const RunScript& script) {
    testsupport::Environment environment = script.environment;
    environment.emplace_back("RECORDER_FILE", medium.RecordFile());
    testsupport::Child setup = testsupport::Spawn("\"" + SetupExe() + "\"", medium.Dir(), environment);
    testsupport::UiDriver driver(setup.Pid(), kWindowTimeoutMs);
    RunOutcome outcome;

    HWND dialog = driver.WaitForWindow("#32770", kDialogCaption);
    if (script.cancelAtGate)
        driver.Press(dialog, IDCANCEL);
    else
        outcome.missingList = PassDialog(driver, dialog);

    for (;;) {
        HWND box = nullptr;
        try {
            box = driver.WaitForMessageBox();
        } catch (const std::runtime_error&) {
            if (setup.Wait(0)) break;
            throw;
        }
        CatchUpRuns(medium.RecordFile(), outcome);
        const testsupport::SeenWindow& seen = driver.Seen().back();
        EXPECT_EQ(kBoxCaption, seen.caption) << seen.text;
        std::vector<int> buttons;
        for (const auto& button : seen.buttons) buttons.push_back(button.id);

        int press = buttons == std::vector<int>{IDOK} ? IDOK : IDYES;
        for (const Answer& answer : script.answers)
            if (answer.question == seen.text) press = answer.button;
        outcome.story.push_back(BoxLine(StandardIconOf(box), buttons, seen.text, press));
        driver.Press(box, press);
        driver.WaitGone(box);
    }
    if (!setup.Wait()) throw std::runtime_error("setup.exe did not end");
    CatchUpRuns(medium.RecordFile(), outcome);
    outcome.exitCode = setup.ExitCode();
    return outcome;
}

}  // namespace apptest
