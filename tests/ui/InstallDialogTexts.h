#pragma once
#include <string>
#include <vector>

// What the install dialog shows, as the person reads it.
namespace texts {
const char kTemplateMessage[] = "Install Zarvel Application";
const char kChecking[] = "Checking prerequisites for Zarvel";
const char kComponents[] =
    "The following components must be installed in order to make Zarvel run properly\n\nIf restart of the computer "
    "is required after or during the installation of the components listed below, restart of the Zarvel "
    "installation program (setup.exe) is required.";
const char kCancelQuestion[] = "Do you really wish to cancel the installation of Zarvel?";
const char kAcrobatRemoved[] = "The Acrobat Reader has been installed, but has been removed from the disk.";

const char kDotNetLine[] = ".Net FrameWork   Application      Data";
const char kMdacLine[] = "MDAC                   Application";
const char kIsoViewLine[] = "IsoView                 Application";
const char kAcrobatLine[] = "Acrobat Reader     Application";
}  // namespace texts

// The greeting built from the running program's own version resource.
std::string ExpectedGreeting();
