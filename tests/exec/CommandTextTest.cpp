#include "exec/InstallerPaths.h"
#include "exec/QuotePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << "\"" << c.input << "\""; }

class QuotePathCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(QuotePathCase, QuotesOnlyForABlank) {
    EXPECT_EQ(std::string(GetParam().expected), std::string(QuotePath(GetParam().input)));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, QuotePathCase,
    ::testing::Values(TextCase{"C:\\Program Files\\Zarvel", "\"C:\\Program Files\\Zarvel\""},
                      TextCase{"\\\\srv\\share\\Common Files\\Zarvel\\*",
                               "\"\\\\srv\\share\\Common Files\\Zarvel\\*\""},
                      TextCase{"C:\\Zarvel\\*", "C:\\Zarvel\\*"}, TextCase{"C:\\tab\there", "C:\\tab\there"},
                      TextCase{"\"C:\\Program Files\\Zarvel\"", "\"\"C:\\Program Files\\Zarvel\"\""},
                      TextCase{"\"C:\\Zarvel\"", "\"C:\\Zarvel\""}, TextCase{" ", "\" \""}, TextCase{"", ""}));

struct CommandCase {
    const char* program;
    const char* arguments;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const CommandCase& c) {
    return out << "\"" << c.program << "\" + \"" << c.arguments << "\"";
}

class CommandLineCase : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineCase, StartsWithAProgramTheSystemCannotMisread) {
    EXPECT_EQ(std::string(GetParam().expected),
              std::string(BuildCommandLine(GetParam().program, GetParam().arguments)));
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLineCase,
    ::testing::Values(
        CommandCase{"msiexec", " /i \"C:\\a b\\Zarvel.msi\" /qn", "msiexec  /i \"C:\\a b\\Zarvel.msi\" /qn"},
        CommandCase{"C:\\Utility\\dotnetfx.exe", "/Q", "C:\\Utility\\dotnetfx.exe /Q"},
        CommandCase{"C:\\Utility\\Acrobat\\en.EXE", "", "C:\\Utility\\Acrobat\\en.EXE"},
        CommandCase{"C:\\Program Files\\Zarvel\\setup.exe", "/Q", "\"C:\\Program Files\\Zarvel\\setup.exe\" /Q"},
        CommandCase{"C:\\Program Files\\Zarvel\\setup.exe", "", "\"C:\\Program Files\\Zarvel\\setup.exe\""},
        CommandCase{"\"C:\\Program Files\\Zarvel\\setup.exe\"", "/Q", "\"C:\\Program Files\\Zarvel\\setup.exe\" /Q"},
        CommandCase{"", "", ""}));

class AcrobatPackage : public ::testing::TestWithParam<TextCase> {};

TEST_P(AcrobatPackage, FollowsTheLanguageName) {
    EXPECT_EQ(std::string(GetParam().expected), std::string(AcrobatPackageCode(GetParam().input)));
}

INSTANTIATE_TEST_SUITE_P(Languages, AcrobatPackage,
                         ::testing::Values(TextCase{"sv", "sv"}, TextCase{"SV", "sv"}, TextCase{"en", "en"},
                                           TextCase{"EN", "en"}, TextCase{"es", "spa"}, TextCase{"Es", "spa"},
                                           TextCase{"nl", "dut"}, TextCase{"NL", "dut"}, TextCase{"de", "ger"},
                                           TextCase{"DE", "ger"}, TextCase{"dE", "ger"}, TextCase{"it", "ita"},
                                           TextCase{"IT", "ita"}, TextCase{"fr", "fre"}, TextCase{"FR", "fre"},
                                           TextCase{"pt", "en"}, TextCase{"ja", "en"}, TextCase{"deu", "en"},
                                           TextCase{"d", "en"}, TextCase{"de ", "en"}, TextCase{"", "en"}));

}  // namespace
