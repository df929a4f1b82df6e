#pragma once
#include <windows.h>

#include <string>

#include "support/Process.h"

// setup.exe as the build made it.
std::string BuiltSetupExe();

struct GreetingRun {
    std::string greeting;        // the text of the install dialog's message control
    std::string cancelQuestion;  // the text of the box that Cancel brought up
    DWORD exitCode;
};

// Runs folder\setup.exe with folder as its current directory, reads the install dialog's greeting and
// cancels as a person would: Cancel, then Yes.
GreetingRun GreetAndCancel(const std::string& folder, const testsupport::Environment& environment = {});

// An entry of the program's version resource in its first translation, read through the system's
// own version functions; throws when there is none.
std::string VersionEntry(const std::string& program, const char* entry);

// "6, 7, 1, 2" -> "6.7.1.2", as the greeting shows a product version.
std::string Dotted(std::string version);

// The greeting for a program whose version resource reads well: the template text, the dotted
// product version and the copyright line.
std::string FullGreetingOf(const std::string& program);
