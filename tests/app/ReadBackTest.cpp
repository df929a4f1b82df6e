#include <windows.h>

#include <gtest/gtest.h>

#include "InstalledProducts.h"
#include "Texts.h"
#include "WholeRunTest.h"
#include "support/Files.h"

using namespace apptest;

namespace {

const char kMdacQuestion[] = "MDAC should be installed to run Zarvel properly\nDo you want to install MDAC now?";

class ReadBackGate : public WholeRunTest, public ::testing::WithParamInterface<const char*> {};

// The MDAC installer of this medium takes the record of the source folder away while the setup
// waits for it, so the record no longer reads back at the end.
TEST_P(ReadBackGate, StopsTheRunWhenTheRecordIsGone) {
    InstalledProducts products({Product::DotNet, Product::IsoView, Product::Acrobat});
    TestMedium medium;
    medium.Replace("Utility\\mdac_typ.exe", SourceDirEraserExe());
    RunScript script;
    script.answers = {{kMdacQuestion, IDYES}};
    script.environment = {{"ZARVEL_ERASE", GetParam()}};

    const RunOutcome run = RunSetup(medium, script);

    EXPECT_EQ(1603u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{Question(kMdacQuestion, IDYES), ErrorBox(kNotCompleted)}), run.story);
    const std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 2u);
    // The last entries are the eraser's run, which succeeded; the box is not logged.
    EXPECT_EQ("Run installer: " + medium.PathOf("Utility\\mdac_typ.exe") + " /Q", log[log.size() - 2]);
    EXPECT_EQ("Installer exit code: 0", log.back());
    EXPECT_EQ("", RegisteredSourceDir());
    // Neither the product installation program nor the removal of the package ran.
    EXPECT_TRUE(testsupport::FileExists(SharedFolder() + "\\Utility\\Install.exe"));
    EXPECT_TRUE(PackageInstalled());
}

INSTANTIATE_TEST_SUITE_P(Erasures, ReadBackGate, ::testing::Values("value", "empty", "key"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
