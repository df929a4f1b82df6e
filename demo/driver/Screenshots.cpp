#include "Screenshots.h"

#include <cstdio>

#include "support/Paths.h"

namespace {
// Asked for after the window has answered, so that it has painted its new state on the X screen.
constexpr DWORD kPaintMs = 500;
constexpr DWORD kAnswerTimeoutMs = 30000;
constexpr DWORD kPollMs = 100;
}  // namespace

std::string Screenshots::Take(const std::string& name, HWND window) const {
    if (m_folder.empty()) return {};
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ::Sleep(kPaintMs);

    RECT area = {};
    if (!::GetWindowRect(window, &area)) return {};
    // tools/demo reads this line: the name, then the screen rectangle as left, top, width, height.
    std::printf("@shot %s %ld %ld %ld %ld\n", name.c_str(), area.left, area.top, area.right - area.left,
                area.bottom - area.top);
    std::fflush(stdout);

    const std::string done = testsupport::JoinPath(m_folder, name + ".done");
    for (DWORD waited = 0; waited < kAnswerTimeoutMs; waited += kPollMs) {
        if (::GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ::DeleteFileA(done.c_str());
            return testsupport::JoinPath(m_folder, name + ".png");
        }
        ::Sleep(kPollMs);
    }
    return {};
}
