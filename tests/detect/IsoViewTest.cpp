#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "DetectData.h"
#include "HandleProbe.h"
#include "RegistrySetup.h"
#include "support/Paths.h"
#include "support/Registry.h"
#include "support/ScratchDir.h"
#include "ui/InstallDlg.h"

namespace {

const char kIsoViewKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600";

class IsoViewDetection : public testing::Test {
protected:
    void SetUp() override { ClaimAbsentKey(m_cleanup, HKEY_LOCAL_MACHINE, kIsoViewKey); }

    void SetPath(const std::string& folder) {
        testsupport::SetRegString(HKEY_LOCAL_MACHINE, kIsoViewKey, "Path", folder);
    }

    // Runs the test twice: the second run must leave no key or file handle open.
    bool Detect() {
        InstallDlg dialog;
        const bool first = dialog.IsIsoViewInstalled();
        const HANDLE before = NextHandleValue();
        const bool second = dialog.IsIsoViewInstalled();
        EXPECT_EQ(before, NextHandleValue()) << "a handle was left open";
        EXPECT_EQ(first, second);
        return second;
    }

    testsupport::RegKeyCleanup m_cleanup;
    testsupport::ScratchDir m_scratch;
};

struct EngineVersion {
    const char* version;
    bool present;
};

class IsoViewEngineVersion : public IsoViewDetection, public testing::WithParamInterface<EngineVersion> {};

TEST_P(IsoViewEngineVersion, IsPresentAbove600) {
    SetPath(detectdata::EngineFolder(GetParam().version));
    EXPECT_EQ(GetParam().present, Detect()) << "file version " << GetParam().version;
}

INSTANTIATE_TEST_SUITE_P(FileVersions, IsoViewEngineVersion,
                         testing::Values(EngineVersion{"6.0.0.1", true}, EngineVersion{"6.0.0.0", false},
                                         EngineVersion{"7.0.0.0", true}, EngineVersion{"7.1.0.0", true},
                                         EngineVersion{"5.9.9.9", false}, EngineVersion{"6.2.0.0", true}),
                         [](const testing::TestParamInfo<EngineVersion>& info) {
                             std::string name = std::string("V") + info.param.version;
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

TEST_F(IsoViewDetection, FolderWithBlanksIsFound) {
    const std::string folder = m_scratch.MakeFolder("Iso View 6");
    m_scratch.CopyIn(testsupport::JoinPath(detectdata::EngineFolder("6.2.0.0"), "IsoEngine6.exe"),
                     "Iso View 6\\IsoEngine6.exe");
    SetPath(folder);
    EXPECT_TRUE(Detect());
}

TEST_F(IsoViewDetection, MissingKeyIsAbsent) { EXPECT_FALSE(Detect()); }

TEST_F(IsoViewDetection, MissingPathIsAbsent) {
    testsupport::SetRegString(HKEY_LOCAL_MACHINE, kIsoViewKey, "", detectdata::EngineFolder("7.0.0.0"));
    EXPECT_FALSE(Detect());
}

TEST_F(IsoViewDetection, EmptyPathIsAbsent) {
    SetPath("");
    EXPECT_FALSE(Detect());
}

TEST_F(IsoViewDetection, FolderWithoutEngineIsAbsent) {
    SetPath(m_scratch.MakeFolder("empty"));
    EXPECT_FALSE(Detect());
}

TEST_F(IsoViewDetection, EngineWithoutVersionResourceIsAbsent) {
    SetPath(detectdata::EngineFolder("none"));
    EXPECT_FALSE(Detect());
}

}  // namespace
