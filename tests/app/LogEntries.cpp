#include "LogEntries.h"

#include <cctype>
#include <stdexcept>

#include "support/Files.h"

namespace apptest {
namespace {

const std::string kStampShape = "dddd-dd-dd dd:dd:dd: ";

bool StampAt(const std::string& text, size_t at) {
    if (at + kStampShape.size() > text.size()) return false;
    for (size_t i = 0; i < kStampShape.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[at + i]);
        if (kStampShape[i] == 'd' ? !std::isdigit(c) : c != static_cast<unsigned char>(kStampShape[i])) return false;
    }
    return true;
}

// Every LF of a text was written as CR LF.
std::string Unwritten(const std::string& stored) {
    std::string text;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
        text += stored[i];
    }
    return text;
}

}  // namespace

std::vector<std::string> ReadLogEntries() {
    const std::string log = testsupport::CommonAppDataLog();
    if (!testsupport::FileExists(log)) return {};
    const std::string bytes = testsupport::ReadFileBytes(log);
    if (!StampAt(bytes, 0)) throw std::runtime_error("the install log does not begin with an entry:\n" + bytes);

    std::vector<size_t> starts;
    for (size_t at = 0; at < bytes.size();) {
        if (StampAt(bytes, at)) starts.push_back(at);
        const size_t lineEnd = bytes.find("\r\n", at);
        if (lineEnd == std::string::npos) throw std::runtime_error("the install log ends mid-line:\n" + bytes);
        at = lineEnd + 2;
    }
    std::vector<std::string> entries;
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : bytes.size();
        const size_t textStart = starts[i] + kStampShape.size();
        entries.push_back(Unwritten(bytes.substr(textStart, end - textStart - 2)));
    }
    return entries;
}

}  // namespace apptest
