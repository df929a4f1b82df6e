#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "InstalledProducts.h"
#include "Texts.h"
#include "WholeRunTest.h"

using namespace apptest;

namespace {

const char kMdacQuestion[] = "MDAC should be installed to run Zarvel properly\nDo you want to install MDAC now?";
const char kMdacCancel[] = "Do you really wish to cancel the installation of MDAC?";
const char kIsoViewQuestion[] =
    "IsoView should be installed to run Zarvel properly\nDo you want to install IsoView now?";
const char kIsoViewCancel[] = "Do you really wish to cancel the installation of IsoView?";
const char kAcrobatQuestion[] =
    "Acrobat Reader should be installed to run Zarvel properly\nDo you want to install Acrobat Reader now?";
const char kAcrobatCancel[] = "Do you really wish to cancel the installation of Acrobat reader?";

const std::vector<std::string> kEveryLine = {".Net FrameWork   Application      Data", "MDAC                   Application",
                                             "IsoView                 Application", "Acrobat Reader     Application"};

// The story lines of a run on this medium, by what happened.
class Expect {
public:
    Expect(const TestMedium& medium, std::string sharedFolder)
        : m_medium(medium), m_sharedFolder(std::move(sharedFolder)) {}
    std::string Installer(const std::string& relName, const std::string& arguments) const {
        const std::string path = m_medium.PathOf("Utility\\" + relName);
        return Ran(path.substr(path.find_last_of('\\') + 1), arguments.empty() ? path : path + " " + arguments);
    }
    std::string DotNet() const { return Installer("dotnetfx.exe", "/Q"); }
    std::string Mdac() const { return Installer("mdac_typ.exe", "/Q"); }
    std::string PsKill() const { return Installer("PsKill.exe", "IsoEngine.exe"); }
    std::string IsoView() const { return Installer("isoviewx6.exe", "/qb"); }
    // The user's language in the test prefix is English.
    std::string Acrobat() const { return Installer("Acrobat\\en.EXE", ""); }
    std::string InstallProgram() const {
        return Ran("Install.exe", "\"" + m_sharedFolder + "\\Utility\\Install.exe\"");
    }
    std::string NotFound(const std::string& relName) const {
        return ErrorBox("File not found:" + m_medium.PathOf("Utility\\" + relName) + kAborted);
    }

private:
    const TestMedium& m_medium;
    std::string m_sharedFolder;
};

struct OfferCase {
    const char* name;
    std::set<Product> present;
    std::vector<Answer> answers;
    testsupport::Environment environment;
    const char* removedFromMedium;  // nullptr: the medium is complete
    std::function<std::vector<std::string>(const Expect&)> story;
    DWORD exitCode;
};

const OfferCase kOffers[] = {
    {"EverythingMissingAndAccepted",
     {},
     {{kMdacQuestion, IDYES}, {kIsoViewQuestion, IDYES}, {kAcrobatQuestion, IDYES}},
     {},
     nullptr,
     [](const Expect& e) {
         return std::vector<std::string>{e.DotNet(),
                                         Question(kMdacQuestion, IDYES),
                                         e.Mdac(),
                                         Question(kIsoViewQuestion, IDYES),
                                         e.PsKill(),
                                         e.IsoView(),
                                         Question(kAcrobatQuestion, IDYES),
                                         e.Acrobat(),
                                         e.InstallProgram()};
     },
     0},
    {"NoThenYesSkipsNoThenNoInstalls",
     {},
     {{kMdacQuestion, IDNO}, {kMdacCancel, IDYES}, {kIsoViewQuestion, IDNO}, {kIsoViewCancel, IDNO},
      {kAcrobatQuestion, IDNO}, {kAcrobatCancel, IDYES}},
     {},
     nullptr,
     [](const Expect& e) {
         return std::vector<std::string>{e.DotNet(),
                                         Question(kMdacQuestion, IDNO),
                                         Question(kMdacCancel, IDYES),
                                         Question(kIsoViewQuestion, IDNO),
                                         Question(kIsoViewCancel, IDNO),
                                         e.PsKill(),
                                         e.IsoView(),
                                         Question(kAcrobatQuestion, IDNO),
                                         Question(kAcrobatCancel, IDYES),
                                         e.InstallProgram()};
     },
     0},
    // Installers that end with failure codes still count as run.
    {"DotNetAndMdacMissingAndFailing",
     {Product::IsoView, Product::Acrobat},
     {{kMdacQuestion, IDYES}},
     {{"RECORDER_EXIT_DOTNETFX", "1"}, {"RECORDER_EXIT_MDAC_TYP", "1603"}},
     nullptr,
     [](const Expect& e) {
         return std::vector<std::string>{e.DotNet(), Question(kMdacQuestion, IDYES), e.Mdac(), e.InstallProgram()};
     },
     0},
    // PsKill only clears the way; without it the IsoView installer still runs and decides.
    {"PsKillMissing",
     {Product::DotNet, Product::Mdac, Product::Acrobat},
     {{kIsoViewQuestion, IDYES}},
     {},
     "PsKill.exe",
     [](const Expect& e) {
         return std::vector<std::string>{Question(kIsoViewQuestion, IDYES), e.NotFound("PsKill.exe"), e.IsoView(),
                                         e.InstallProgram()};
     },
     0},
    {"DotNetInstallerMissing",
     {},
     {},
     {},
     "dotnetfx.exe",
     [](const Expect& e) { return std::vector<std::string>{e.NotFound("dotnetfx.exe")}; },
     1603},
    {"OfferedInstallerMissing",
     {},
     {{kMdacQuestion, IDYES}, {kIsoViewQuestion, IDYES}},
     {},
     "isoviewx6.exe",
     [](const Expect& e) {
         return std::vector<std::string>{e.DotNet(), Question(kMdacQuestion, IDYES), e.Mdac(),
                                         Question(kIsoViewQuestion, IDYES), e.PsKill(), e.NotFound("isoviewx6.exe")};
     },
     1603},
};

void PrintTo(const OfferCase& row, std::ostream* out) { *out << row.name; }

class PrerequisiteOffers : public WholeRunTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(PrerequisiteOffers, InstallWhatTheUserChose) {
    const OfferCase& offer = GetParam();
    InstalledProducts products(offer.present);
    TestMedium medium;
    if (offer.removedFromMedium) medium.Remove(std::string("Utility\\") + offer.removedFromMedium);
    RunScript script;
    script.answers = offer.answers;
    script.environment = offer.environment;

    const RunOutcome run = RunSetup(medium, script);

    EXPECT_EQ(offer.exitCode, run.exitCode);
    EXPECT_EQ(offer.story(Expect(medium, SharedFolder())), run.story);
    std::vector<std::string> listed;
    if (!offer.present.count(Product::DotNet)) listed.push_back(kEveryLine[0]);
    if (!offer.present.count(Product::Mdac)) listed.push_back(kEveryLine[1]);
    if (!offer.present.count(Product::IsoView)) listed.push_back(kEveryLine[2]);
    if (!offer.present.count(Product::Acrobat)) listed.push_back(kEveryLine[3]);
    EXPECT_EQ(listed, run.missingList);
    // The runner's view of every installer: none of them was hidden.
    for (const auto& record : run.runs) EXPECT_EQ(0u, record.flags & STARTF_USESHOWWINDOW) << record.commandLine;

    const std::vector<std::string> log = Log();
    ASSERT_FALSE(log.empty());
    if (offer.exitCode == 0) {
        EXPECT_EQ(kEndBanner, log.back());
        EXPECT_FALSE(PackageInstalled());
    } else {
        // A failed installer ends the run where it failed: nothing is removed or logged after it.
        EXPECT_EQ("Error:File not found:" + medium.PathOf(std::string("Utility\\") + offer.removedFromMedium) +
                      kAborted,
                  log.back());
        EXPECT_TRUE(PackageInstalled());
    }
}

INSTANTIATE_TEST_SUITE_P(Offers, PrerequisiteOffers, ::testing::ValuesIn(kOffers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
