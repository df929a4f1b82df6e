#include "LogEntries.h"

#include <algorithm>
#include <cctype>

namespace {

// "YYYY-MM-DD HH:MM:SS: "
bool HasStamp(const std::string& line) {
    const std::string pattern = "dddd-dd-dd dd:dd:dd: ";
    if (line.size() < pattern.size()) return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (pattern[i] == 'd' ? !digit : line[i] != pattern[i]) return false;
    }
    return true;
}

} // namespace

std::vector<std::string> LogLines(const std::string& logBytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = logBytes.find("\r\n"); end != std::string::npos; end = logBytes.find("\r\n", start)) {
        const std::string line = logBytes.substr(start, end - start);
        lines.push_back(HasStamp(line) ? line.substr(21) : line);
        start = end + 2;
    }
    return lines;
}

bool HasInSequence(const std::vector<std::string>& lines, const std::vector<std::string>& texts) {
    return std::search(lines.begin(), lines.end(), texts.begin(), texts.end()) != lines.end();
}
