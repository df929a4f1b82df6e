#pragma once
#include <string>
#include <vector>

// What a person sees and what the install log holds on the roads of a run on the demo medium.

extern const char kDialogCaption[];
// The dialog's text: its greeting, then the components message.
constexpr int kMessageControl = 1000;
extern const char kGreetingStart[];
extern const std::vector<std::string> kAllComponentsMissing;
extern const char kReallyCancelZarvel[];

// One row of the offers, in the order they are made.
struct Offer {
    const char* name;
    const char* question;
    const char* reallyCancel;
};
extern const Offer kMdacOffer;
extern const Offer kIsoViewOffer;
extern const Offer kAcrobatOffer;

using Entries = std::vector<std::string>;

// The entries one per line, for comparisons whose failures show a line-by-line difference; the line
// ends inside an entry are shown as \r and \n.
std::string Lines(const Entries& entries);

// A program path as it stands at the start of a command line: in double quotes when it has a blank.
std::string CommandPath(const std::string& path);

// Builds the expected log entries of one run, step by step, for a medium folder.
class ExpectedRun {
public:
    ExpectedRun(std::string platformLine, std::string medium);

    // Platform line, two empty entries, the start banner.
    ExpectedRun& Start();
    // Source folder, msiexec /i of the package, the shared folder.
    ExpectedRun& PackageAndSharedFolder();
    // One program run by the runner that ended with exit code 0.
    ExpectedRun& Ran(const std::string& commandLine);
    // The installers below Utility of the medium.
    ExpectedRun& DotNet();
    ExpectedRun& Mdac();
    ExpectedRun& IsoView();
    ExpectedRun& Acrobat();
    // Install.exe from the shared folder, msiexec /x of the package, the end banner.
    ExpectedRun& Finish();
    ExpectedRun& Add(const std::string& entry);

    const Entries& Get() const { return m_entries; }
    std::string OnMedium(const std::string& relName) const;

private:
    std::string m_platformLine;
    std::string m_medium;
    Entries m_entries;
};
