#include "ExecTest.h"
#include "Medium.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const char kAborted[] = "\r\nInstallation aborted!";

std::string Env(const char* name) {
    char value[256];
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The user's locale comes from the Linux environment the test runs in (LANG/LC_ALL); CTest names
// the language that locale must give and the Acrobat package that belongs to it.
class AcrobatInstaller : public ExecTest {
protected:
    AcrobatInstaller()
        : m_language(Env("ZARVEL_EXPECTED_LANGUAGE")),
          m_package(Env("ZARVEL_EXPECTED_PACKAGE")),
          m_medium(MakeMedium(m_scratch, "medium")) {}

    void SetUp() override {
        ASSERT_FALSE(m_language.empty()) << "ZARVEL_EXPECTED_LANGUAGE is not set";
        ASSERT_FALSE(m_package.empty()) << "ZARVEL_EXPECTED_PACKAGE is not set";
        char language[100];
        ASSERT_NE(0, ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, language, sizeof language));
        ASSERT_EQ(m_language, language) << "the locale of the environment did not reach the program";
    }

    bool Install(const std::string& sourceDir, size_t expectedBoxes, std::vector<ShownBox>* boxes = nullptr) {
        bool result = false;
        auto shown = Answering(expectedBoxes, [&] { result = App().InstallAcrobat(sourceDir.c_str()); });
        if (boxes) *boxes = shown;
        return result;
    }

    const std::string m_language;
    const std::string m_package;
    const std::string m_medium;
};

TEST_F(AcrobatInstaller, RunsThePackageOfTheUsersLanguage) {
    EXPECT_TRUE(Install(m_medium, 0));

    const std::string program = m_medium + "\\Utility\\Acrobat\\" + m_package + ".EXE";
    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(m_package + ".EXE", records[0].program);
    EXPECT_EQ(program, records[0].commandLine);
    EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + program, "Installer exit code: 0"}), LogEntries());
}

TEST_F(AcrobatInstaller, NonZeroExitCodeStillSucceeds) {
    const ScopedEnv exit("RECORDER_EXIT", "1");

    EXPECT_TRUE(Install(m_medium + "\\", 0));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(m_medium + "\\\\Utility\\Acrobat\\" + m_package + ".EXE", records[0].commandLine);
}

TEST_F(AcrobatInstaller, MissingPackageIsShownAndFails) {
    const std::string program = m_medium + "\\Utility\\Acrobat\\" + m_package + ".EXE";
    ASSERT_TRUE(::DeleteFileA(program.c_str()));
    const std::string message = "File not found:" + program + kAborted;

    std::vector<ShownBox> boxes;
    EXPECT_FALSE(Install(m_medium, 1, &boxes));

    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_EQ(std::vector<std::string>{"Error:" + message}, boxes[0].logWhenShown);
    EXPECT_TRUE(Records().empty());
}

}  // namespace
