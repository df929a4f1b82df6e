#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "TestMedium.h"
#include "support/Process.h"
#include "support/Recorder.h"

namespace apptest {

// How the person at the screen answers.
struct Answer {
    std::string question;  // the box text
    int button;            // IDYES or IDNO
};

struct RunScript {
    // Cancel the install dialog (and confirm) instead of pressing Next.
    bool cancelAtGate = false;
    // Questions and their answers. A box with nothing but OK is confirmed; a question without an
    // answer here is answered Yes, and shows up as such in the story.
    std::vector<Answer> answers;
    testsupport::Environment environment;
};

struct RunOutcome {
    DWORD exitCode = 0;
    // What the install dialog listed after the first Next (nothing when it closed at once).
    std::vector<std::string> missingList;
    // Everything after the install dialog, in order: the boxes shown (see Box() and Question())
    // and the outside programs that ran (see Ran()).
    std::vector<std::string> story;
    std::vector<testsupport::RecorderRecord> runs;
};

// Runs the setup.exe of this build with the medium as its current directory, drives its windows as
// a person would, waits for its end and collects what happened.
RunOutcome RunSetup(const TestMedium& medium, const RunScript& script = {});

// Story lines: an error box with its OK; a question with the answer given; a program's run with
// its command line as the program itself received it.
std::string ErrorBox(const std::string& text);
std::string Question(const std::string& text, int answer);
std::string Ran(const std::string& program, const std::string& commandLine);

}  // namespace apptest
