#include "DemoMediumTest.h"

#include "support/Files.h"

std::string DemoMediumTest::LogBytes() { return testsupport::ReadFileBytes(testsupport::CommonAppDataLog()); }

int DemoMediumTest::InstallExeRuns() {
    const std::string marker = SharedFolder() + "\\InstallRan.txt";
    if (!testsupport::FileExists(marker)) return 0;
    const std::string text = testsupport::ReadFileBytes(marker);
    int runs = 0;
    for (size_t at = text.find(" Install.exe ran\r\n"); at != std::string::npos; at = text.find(" Install.exe ran\r\n", at + 1))
        ++runs;
    return runs;
}
