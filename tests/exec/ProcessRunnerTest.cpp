#include "ExecTest.h"

#include "support/Files.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const char kAborted[] = "\r\nInstallation aborted!";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class ProcessRunner : public ExecTest {
protected:
    bool Run(const std::string& program, const std::string& arguments, bool hideWindow = false) {
        bool result = false;
        Answering(0, [&] { result = App().RunInstaller(program.c_str(), arguments.c_str(), hideWindow); });
        return result;
    }
};

struct CommandLineCase {
    const char* name;
    const char* program;  // below the scratch folder
    const char* arguments;
    bool quoted;       // the program begins the command line in double quotes
    const char* rest;  // what follows the program on the command line
};

std::ostream& operator<<(std::ostream& out, const CommandLineCase& c) { return out << c.name; }

const CommandLineCase kCommandLines[] = {
    {"NoArgumentsAddNothing", "prog.exe", "", false, ""},
    {"OneBlankBeforeArguments", "prog.exe", "/Q", false, " /Q"},
    {"ArgumentsBeginningWithABlankKeepIt", "prog.exe", " -q -ag 1.2", false, "  -q -ag 1.2"},
    {"QuotedArgumentsPassedAsTheyAre", "prog.exe", "/i \"C:\\a b\\pkg.msi\" /qn", false,
     " /i \"C:\\a b\\pkg.msi\" /qn"},
    {"TrailingBlankOfArgumentsKept", "prog.exe", "/Q ", false, " /Q "},
    {"NameWithoutExtension", "prog", "/Q", false, " /Q"},
    {"BlankInFolderQuoted", "dir with blank\\prog.exe", "/Q", true, " /Q"},
    {"BlankInFolderQuotedWithoutArguments", "dir with blank\\prog.exe", "", true, ""},
    {"BlankInFileNameQuoted", "tools\\my prog.exe", "IsoEngine.exe", true, " IsoEngine.exe"},
};

class RunnerCommandLine : public ProcessRunner, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(RunnerCommandLine, IsProgramThenArguments) {
    const CommandLineCase& c = GetParam();
    const std::string file = std::string(c.program).find('.') == std::string::npos ? std::string(c.program) + ".exe"
                                                                                   : std::string(c.program);
    PlaceRecorder(file);
    const std::string program = m_scratch.PathOf(c.program);
    const std::string expected = (c.quoted ? Quoted(program) : program) + c.rest;

    EXPECT_TRUE(Run(program, c.arguments));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(file.substr(file.find_last_of('\\') + 1), records[0].program);
    EXPECT_EQ(expected, records[0].commandLine);
    EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + expected, "Installer exit code: 0"}), LogEntries());
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerCommandLine, ::testing::ValuesIn(kCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessRunner, PathWithABlankNeverRunsTheProgramNamedByItsFirstPieces) {
    // Unquoted, the system would take "...\dir" or "...\dir with" plus ".exe" for the program.
    PlaceRecorder("dir.exe");
    PlaceRecorder("dir with.exe");
    const std::string program = PlaceRecorder("dir with blank\\prog.exe");

    EXPECT_TRUE(Run(program, "/Q"));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("prog.exe", records[0].program);
    EXPECT_EQ(Quoted(program) + " /Q", records[0].commandLine);
}

TEST_F(ProcessRunner, MsiexecIsFoundByNameAndBeginsTheCommandLine) {
    // The current folder is on the search path, so a stand-in there answers for msiexec.
    const std::string medium = m_scratch.MakeFolder("medium");
    PlaceRecorder("medium\\msiexec.exe");
    ASSERT_TRUE(::SetCurrentDirectoryA(medium.c_str()));
    const std::string arguments = " /i " + Quoted(medium + "\\Zarvel.msi") + " /qn";

    EXPECT_TRUE(Run("msiexec", arguments));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("msiexec.exe", records[0].program);
    EXPECT_EQ("msiexec  /i " + Quoted(medium + "\\Zarvel.msi") + " /qn", records[0].commandLine);
    EXPECT_EQ(medium, records[0].dir);
    EXPECT_EQ((std::vector<std::string>{"Run installer: msiexec " + arguments, "Installer exit code: 0"}),
              LogEntries());
}

TEST_F(ProcessRunner, RunProgramPassesNoArgumentsAndNoShowFlag) {
    const std::string program = PlaceRecorder("Utility\\Acrobat\\en.EXE");
    bool result = false;
    Answering(0, [&] { result = App().RunProgram(program.c_str()); });

    EXPECT_TRUE(result);
    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(program, records[0].commandLine);
    EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + program, "Installer exit code: 0"}), LogEntries());
}

TEST_F(ProcessRunner, HiddenWindowIsStartedHidden) {
    const ScopedEnv window("RECORDER_WINDOW", "1");
    const std::string program = PlaceRecorder("caspol.exe");

    EXPECT_TRUE(Run(program, "-q", true));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(SW_HIDE, records[0].show);
    ASSERT_TRUE(records[0].visible.has_value());
    EXPECT_FALSE(*records[0].visible);
}

TEST_F(ProcessRunner, ShownWindowIsLeftToTheProgram) {
    const ScopedEnv window("RECORDER_WINDOW", "1");
    const std::string program = PlaceRecorder("prog.exe");

    EXPECT_TRUE(Run(program, "/Q", false));

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
    ASSERT_TRUE(records[0].visible.has_value());
    EXPECT_TRUE(*records[0].visible);
}

struct ExitCase {
    const char* name;
    const char* variable;
    const char* value;
    const char* logged;
};

std::ostream& operator<<(std::ostream& out, const ExitCase& c) { return out << c.name; }

const ExitCase kExits[] = {
    {"Zero", "RECORDER_EXIT", "0", "0"},
    {"One", "RECORDER_EXIT", "1", "1"},
    {"InstallerFailure", "RECORDER_EXIT", "1603", "1603"},
    {"SameValueAsStillActive", "RECORDER_EXIT", "259", "259"},
    {"TopBitSetIsUnsigned", "RECORDER_EXIT", "0xFFFFFFFE", "4294967294"},
    {"Crash", "RECORDER_CRASH_PROG", "1", "3221225477"},
};

class RunnerExitCode : public ProcessRunner, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(RunnerExitCode, IsLoggedAndDoesNotDecide) {
    const ScopedEnv exit(GetParam().variable, GetParam().value);
    const std::string program = PlaceRecorder("prog.exe");

    EXPECT_TRUE(Run(program, "/Q"));

    EXPECT_EQ(1u, Records().size());
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + program + " /Q",
                                        std::string("Installer exit code: ") + GetParam().logged}),
              LogEntries());
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerExitCode, ::testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.name); });

struct NotFoundCase {
    const char* name;
    const char* program;
    bool inScratch;  // program is relative to the scratch folder
};

std::ostream& operator<<(std::ostream& out, const NotFoundCase& c) { return out << c.name; }

const NotFoundCase kNotFound[] = {
    {"EmptyName", "", false},
    {"MissingFile", "missing.exe", true},
    {"MissingFileInFolderWithBlank", "dir with blank\\missing.exe", true},
    {"MissingFolder", "no such folder\\prog.exe", true},
    {"NameNotOnTheSearchPath", "zarvel-no-such-program", false},
};

class RunnerNotFound : public ProcessRunner, public ::testing::WithParamInterface<NotFoundCase> {};

TEST_P(RunnerNotFound, IsLoggedThenShownAndFails) {
    m_scratch.MakeFolder("dir with blank");
    const std::string program = GetParam().inScratch ? m_scratch.PathOf(GetParam().program) : GetParam().program;
    const std::string message = "File not found:" + program + kAborted;

    bool result = true;
    const auto boxes = Answering(1, [&] { result = App().RunInstaller(program.c_str(), "/Q", false); });

    EXPECT_FALSE(result);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_EQ(std::string(App().m_pszAppName), boxes[0].caption);
    EXPECT_TRUE(boxes[0].errorIcon);
    EXPECT_EQ(std::vector<std::string>{"Error:" + message}, boxes[0].logWhenShown);
    EXPECT_EQ(2, boxes[0].waitCursorWhenShown);
    EXPECT_EQ(std::vector<std::string>{"Error:" + message}, LogEntries());
    EXPECT_TRUE(Records().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerNotFound, ::testing::ValuesIn(kNotFound),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessRunner, NotFoundEntryKeepsTheCarriageReturnOnDisk) {
    Answering(1, [&] { App().RunInstaller("", "", false); });

    const std::string bytes = LogBytes();
    ASSERT_GT(bytes.size(), 19u);
    EXPECT_EQ(": Error:File not found:\r\r\nInstallation aborted!\r\n", bytes.substr(19));
}

struct NotStartableCase {
    const char* name;
    const char* program;  // below the scratch folder
    const char* contents;
    DWORD error;
};

std::ostream& operator<<(std::ostream& out, const NotStartableCase& c) { return out << c.name; }

const NotStartableCase kNotStartable[] = {
    {"TextFile", "notes.exe", "These are not the programs you are looking for.\r\n", ERROR_BAD_EXE_FORMAT},
    {"EmptyFile", "empty.exe", "", ERROR_BAD_EXE_FORMAT},
    {"TextFileInFolderWithBlank", "dir with blank\\notes.exe", "text\r\n", ERROR_BAD_EXE_FORMAT},
};

class RunnerNotStartable : public ProcessRunner, public ::testing::WithParamInterface<NotStartableCase> {};

TEST_P(RunnerNotStartable, IsLoggedThenShownWithTheSystemText) {
    const NotStartableCase& c = GetParam();
    const std::string program = m_scratch.Write(c.program, c.contents);
    const std::string commandLine = (program.find(' ') != std::string::npos ? Quoted(program) : program) + " /Q";
    const std::string systemText = SystemMessage(c.error);
    // The system's text for a bad program names it with an insert marker, which must come through as it is.
    ASSERT_NE(std::string::npos, systemText.find("%1")) << systemText;
    // The message carries the bare program, as the caller named it.
    const std::string message = program + "\r\n" + systemText;

    bool result = true;
    const auto boxes = Answering(1, [&] { result = App().RunInstaller(program.c_str(), "/Q", false); });

    EXPECT_FALSE(result);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_TRUE(boxes[0].errorIcon);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + commandLine, "Error:" + message}), boxes[0].logWhenShown);
    EXPECT_EQ(2, boxes[0].waitCursorWhenShown);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + commandLine, "Error:" + message}), LogEntries());
}

INSTANTIATE_TEST_SUITE_P(Cases, RunnerNotStartable, ::testing::ValuesIn(kNotStartable),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
