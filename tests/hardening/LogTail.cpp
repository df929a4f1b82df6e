#include "LogTail.h"

#include "support/Files.h"

namespace {

std::string LogBytes() {
    const std::string log = testsupport::CommonAppDataLog();
    return testsupport::FileExists(log) ? testsupport::ReadFileBytes(log) : std::string();
}

} // namespace

LogTail::LogTail() : m_start(LogBytes().size()) {}

std::string LogTail::Added() const {
    const std::string bytes = LogBytes();
    return bytes.size() > m_start ? bytes.substr(m_start) : std::string();
}
