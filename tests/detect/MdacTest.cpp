#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "HandleProbe.h"
#include "RegistrySetup.h"
#include "support/Registry.h"
#include "ui/InstallDlg.h"

namespace {

const char kMdacKey[] = "SOFTWARE\\Microsoft\\DataAccess";

class MdacDetection : public testing::Test {
protected:
    void SetUp() override { ClaimAbsentKey(m_cleanup, HKEY_LOCAL_MACHINE, kMdacKey); }

    // Runs the test twice: the second run must leave no key open.
    bool Detect() {
        InstallDlg dialog;
        const bool first = dialog.IsMdacInstalled();
        const HANDLE before = NextHandleValue();
        const bool second = dialog.IsMdacInstalled();
        EXPECT_EQ(before, NextHandleValue()) << "a registry key was left open";
        EXPECT_EQ(first, second);
        return second;
    }

    testsupport::RegKeyCleanup m_cleanup;
};

struct InstalledVersion {
    const char* text;
    bool present;
};

class MdacVersion : public MdacDetection, public testing::WithParamInterface<InstalledVersion> {};

TEST_P(MdacVersion, IsPresentAbove27) {
    testsupport::SetRegString(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", GetParam().text);
    EXPECT_EQ(GetParam().present, Detect()) << "FullInstallVer \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MdacVersion,
    testing::Values(InstalledVersion{"2.7", false}, InstalledVersion{"2.7.0", false},
                    InstalledVersion{"2.70.7713.4", true}, InstalledVersion{"2.8", true},
                    InstalledVersion{"2.10", true}, InstalledVersion{"10.0", true},
                    InstalledVersion{"6.0.6000.16386", true}, InstalledVersion{"2.6", false},
                    InstalledVersion{"", false}));

TEST_F(MdacDetection, MissingKeyIsAbsent) { EXPECT_FALSE(Detect()); }

TEST_F(MdacDetection, KeyWithoutTheValueIsAbsent) {
    testsupport::SetRegString(HKEY_LOCAL_MACHINE, kMdacKey, "Version", "2.8");
    EXPECT_FALSE(Detect());
}

TEST_F(MdacDetection, NumberValueIsAbsent) {
    testsupport::SetRegDword(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", 0x382E32);  // "2.8" as bytes
    EXPECT_FALSE(Detect());
}

// "2.8." and zeros: present whenever it is read at all, so the result shows whether it fit.
std::string PaddedVersion(size_t bytes) { return "2.8." + std::string(bytes - 4, '0'); }

TEST_F(MdacDetection, ValueThatFillsTheBufferIsRead) {
    SetExactRegValue(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", REG_SZ, PaddedVersion(259) + '\0');
    EXPECT_TRUE(Detect());
}

TEST_F(MdacDetection, ValueThatFillsTheBufferWithoutNulIsRead) {
    SetExactRegValue(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", REG_SZ, PaddedVersion(260));
    EXPECT_TRUE(Detect());
}

TEST_F(MdacDetection, ValueLongerThanTheBufferIsAbsent) {
    SetExactRegValue(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", REG_SZ, PaddedVersion(260) + '\0');
    EXPECT_FALSE(Detect());
}

}  // namespace
