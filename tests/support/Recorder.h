#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// One start of the recorder program, as it wrote it to RECORDER_FILE.
struct RecorderRecord {
    std::string program;      // its own file name, without folder
    std::string commandLine;  // GetCommandLineA
    DWORD flags = 0;          // STARTUPINFO dwFlags
    WORD show = 0;            // STARTUPINFO wShowWindow
    std::string dir;          // current directory
    std::optional<bool> visible;  // its window after SW_SHOWDEFAULT, when RECORDER_WINDOW was set
};

// The records in the order the starts happened; no file means nothing was started.
std::vector<RecorderRecord> ReadRecords(const std::string& path);

// The recorder program of this build (a Windows path), to copy in under the name of any
// outside program.
std::string RecorderExe();

} // namespace testsupport
