#include "LogEntries.h"

#include <cctype>
#include <stdexcept>

namespace {

// "YYYY-MM-DD HH:MM:SS: "
constexpr char kStampPattern[] = "dddd-dd-dd dd:dd:dd: ";
constexpr size_t kStampLength = sizeof kStampPattern - 1;

bool StampAt(const std::string& bytes, size_t at) {
    if (bytes.size() - at < kStampLength) return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        const char expected = kStampPattern[i];
        const char c = bytes[at + i];
        if (expected == 'd' ? !std::isdigit(static_cast<unsigned char>(c)) : c != expected) return false;
    }
    return true;
}

// Every LF of the text was written as CR LF; undo that.
std::string WithoutAddedCr(const std::string& written) {
    std::string text;
    for (size_t i = 0; i < written.size(); ++i)
        if (!(written[i] == '\r' && i + 1 < written.size() && written[i + 1] == '\n')) text += written[i];
    return text;
}

}  // namespace

std::vector<std::string> LogEntries(const std::string& bytes) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < bytes.size()) {
        if (!StampAt(bytes, start))
            throw std::runtime_error("no entry stamp at byte " + std::to_string(start) + " of the log");
        // The entry ends at the line end that is followed by the next stamp, or by the end of the file.
        size_t end = bytes.find("\r\n", start + kStampLength);
        while (end != std::string::npos && end + 2 < bytes.size() && !StampAt(bytes, end + 2))
            end = bytes.find("\r\n", end + 2);
        if (end == std::string::npos) throw std::runtime_error("the log's last entry has no line end");
        entries.push_back(WithoutAddedCr(bytes.substr(start + kStampLength, end - start - kStampLength)));
        start = end + 2;
    }
    return entries;
}
