#include "ExecTest.h"

#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/UiDriver.h"

#include <cctype>
#include <exception>

using namespace testsupport;

namespace {

bool ShowsErrorIcon(HWND box) {
    const HICON expected = ::LoadIconA(nullptr, IDI_ERROR);
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16];
        if (!::GetClassNameW(child, className, 16) || ::lstrcmpiW(className, L"Static") != 0) continue;
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !::IsWindowVisible(child)) continue;
        if (reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)) == expected) return true;
    }
    return false;
}

// "2024-05-01 12:00:00: " begins every entry; a line without it continues the entry before.
bool StartsWithStamp(const std::string& line) {
    static const char kShape[] = "dddd-dd-dd dd:dd:dd: ";
    if (line.size() < sizeof kShape - 1) return false;
    for (size_t i = 0; i < sizeof kShape - 1; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (kShape[i] == 'd' ? !digit : line[i] != kShape[i]) return false;
    }
    return true;
}

std::string CurrentDir() {
    char dir[MAX_PATH * 2];
    const DWORD length = ::GetCurrentDirectoryA(sizeof dir, dir);
    return std::string(dir, length < sizeof dir ? length : 0);
}

}  // namespace

CSetupApp& App() {
    static CSetupApp app;
    return app;
}

ExecTest::ExecTest()
    : m_log(m_scratch.PathOf("install.log")),
      m_records(m_scratch.PathOf("records.txt")),
      m_recorderFile("RECORDER_FILE", m_records),
      m_oldDir(CurrentDir()) {
    App().m_logPath = m_log.c_str();
    App().BeginWaitCursor();
}

ExecTest::~ExecTest() {
    App().EndWaitCursor();
    ::SetCurrentDirectoryA(m_oldDir.c_str());
}

void ExecTest::TearDown() { EXPECT_EQ(1, App().m_nWaitCursorCount) << "the wait cursor count did not come back"; }

std::string ExecTest::PlaceRecorder(const std::string& relName) const {
    return m_scratch.CopyIn(RecorderExe(), relName);
}

std::vector<RecorderRecord> ExecTest::Records() const { return ReadRecords(m_records); }

std::string ExecTest::LogBytes() const { return FileExists(m_log) ? ReadFileBytes(m_log) : std::string(); }

std::vector<std::string> ExecTest::LogEntries() const {
    // On disk every line feed of an entry was written as CR LF; undo that first.
    const std::string bytes = LogBytes();
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (StartsWithStamp(line))
            entries.push_back(line.substr(21));
        else if (!entries.empty())
            entries.back() += "\n" + line;
        else
            ADD_FAILURE() << "the install log does not begin with a stamped entry: " << text;
        start = end + 1;
    }
    return entries;
}

std::vector<ShownBox> ExecTest::Answering(size_t expectedBoxes, const std::function<void()>& call) {
    std::vector<ShownBox> boxes;
    UiDriver driver;
    DriverThread thread(driver, [&](UiDriver& ui) {
        for (size_t i = 0; i < expectedBoxes; ++i) {
            HWND box = ui.WaitForMessageBox();
            ShownBox shown;
            shown.caption = ui.Caption(box);
            shown.text = ui.MessageText(box);
            shown.errorIcon = ShowsErrorIcon(box);
            shown.logWhenShown = LogEntries();
            // The setup's thread sits inside the box, so the count cannot change under us.
            shown.waitCursorWhenShown = App().m_nWaitCursorCount;
            boxes.push_back(shown);
            ui.Press(box, IDOK);
            ui.WaitGone(box);
        }
    });
    // Wine takes a thread that has not asked for messages for five seconds as hung and fails the
    // driver's reads of a box that comes up before the box's own loop has asked once.
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    call();
    try {
        thread.Join();
    } catch (const std::exception& failure) {
        ADD_FAILURE() << failure.what();
    }
    return boxes;
}

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0, nullptr);
    const std::string message = length && text ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    return message;
}
