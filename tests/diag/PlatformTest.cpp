#include "app/SetupApp.h"
#include "diag/Platform.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <climits>
#include <regex>
#include <string>

using namespace testsupport;

namespace {

struct ClassifyCase {
    bool functionFound;
    bool wow64;
    unsigned long platform;
    unsigned long major;
    unsigned long minor;
    int code;
};

std::ostream& operator<<(std::ostream& out, const ClassifyCase& c) {
    return out << "function " << c.functionFound << " wow64 " << c.wow64 << " platform " << c.platform << " version "
               << c.major << "." << c.minor;
}

constexpr unsigned long k9x = VER_PLATFORM_WIN32_WINDOWS;
constexpr unsigned long kNt = VER_PLATFORM_WIN32_NT;

const ClassifyCase kClassifyCases[] = {
    {true, false, k9x, 4, 0, kPlatformWin95},
    {true, false, k9x, 4, 10, kPlatformWin98},
    {true, false, k9x, 4, 90, kPlatformWinMe},
    {true, false, kNt, 3, 51, kPlatformWinNt351},
    {true, false, kNt, 4, 0, kPlatformWinNt4},
    {true, false, kNt, 5, 0, kPlatformWin2000},
    {false, false, kNt, 5, 0, kPlatformWin2000},
    {true, false, kNt, 5, 1, kPlatformWinXp},
    {false, false, kNt, 5, 1, kPlatformWinXp},
    {true, false, kNt, 5, 2, kPlatformWin2003},
    {true, false, kNt, 6, 0, kPlatformWinLh},
    {true, false, kNt, 6, 1, kPlatformWinLh},
    {true, false, kNt, 6, 2, kPlatformWinLh},
    {true, false, kNt, 6, 3, kPlatformWinLh},
    {true, false, kNt, 6, 99, kPlatformWinLh},
    // No row: unknown.
    {true, false, kNt, 5, 3, kPlatformUnknown},
    {true, false, kNt, 7, 0, kPlatformUnknown},
    {true, false, kNt, 7, 1, kPlatformUnknown},
    {true, false, kNt, 10, 0, kPlatformUnknown},
    {true, false, kNt, 3, 50, kPlatformUnknown},
    {true, false, kNt, 3, 10, kPlatformUnknown},
    {true, false, kNt, 4, 10, kPlatformUnknown},
    {true, false, kNt, 4, 90, kPlatformUnknown},
    {true, false, k9x, 4, 1, kPlatformUnknown},
    {true, false, k9x, 3, 51, kPlatformUnknown},
    {true, false, k9x, 5, 0, kPlatformUnknown},
    {true, false, k9x, 5, 1, kPlatformUnknown},
    {true, false, k9x, 6, 0, kPlatformUnknown},
    {true, false, VER_PLATFORM_WIN32s, 4, 0, kPlatformUnknown},
    {true, false, VER_PLATFORM_WIN32s, 5, 1, kPlatformUnknown},
    {true, false, 3, 4, 0, kPlatformUnknown},
    {true, false, 3, 6, 0, kPlatformUnknown},
    {false, false, 0, 0, 0, kPlatformUnknown},
    // A 32-bit program on a 64-bit Windows, whatever the version says.
    {true, true, kNt, 5, 1, kPlatformWin64},
    {true, true, kNt, 5, 2, kPlatformWin64},
    {true, true, kNt, 6, 1, kPlatformWin64},
    {true, true, kNt, 6, 2, kPlatformWin64},
    {true, true, kNt, 5, 3, kPlatformWin64},
    {true, true, kNt, 10, 0, kPlatformWin64},
    {true, true, k9x, 4, 0, kPlatformWin64},
    {true, true, 0, 0, 0, kPlatformWin64},
};

class PlatformClassification : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(PlatformClassification, FirstMatchingRowWins) {
    const ClassifyCase& c = GetParam();
    EXPECT_EQ(c.code, ClassifyPlatform(c.functionFound, c.wow64, c.platform, c.major, c.minor));
}

INSTANTIATE_TEST_SUITE_P(Systems, PlatformClassification, ::testing::ValuesIn(kClassifyCases));

struct NameCase {
    int code;
    const char* name;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) { return out << c.code; }

const NameCase kNameCases[] = {
    {0, "Unknown"},  {1, "WIN95"},  {2, "WIN98"},    {3, "WINME"},   {4, "WINNT351"},     {5, "WINNT4"},
    {6, "WIN2000"},  {7, "WINXP"},  {8, "WIN2003"},  {9, "WINCE"},   {10, "WINLH"},       {11, "WIN64BIT"},
    {12, "Unknown"}, {-1, "Unknown"}, {100, "Unknown"}, {INT_MIN, "Unknown"}, {INT_MAX, "Unknown"},
};

class PlatformName : public ::testing::TestWithParam<NameCase> {};

TEST_P(PlatformName, ForEveryCode) { EXPECT_STREQ(GetParam().name, OsVersionName(GetParam().code)); }

INSTANTIATE_TEST_SUITE_P(Codes, PlatformName, ::testing::ValuesIn(kNameCases));

// The test prefix reports the Windows 7 version 6.1 to a 64-bit program, which is not under WOW64.
TEST(PlatformDetection, ApplicationObjectClassifiesAndLogsFirst) {
    RemoveLog();
    std::string log;
    int code = -1;
    {
        CSetupApp app;
        code = app.m_osVersion;
        log = ReadFileBytes(CommonAppDataLog());
    }
    RemoveLog();
    EXPECT_EQ(kPlatformWinLh, code);
    EXPECT_TRUE(std::regex_match(
        log, std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d: fnIsWow64Process 1 bIs64BitOS 0 OS_VERSION WINLH)"
                        "\r\n$")))
        << log;
}

} // namespace
