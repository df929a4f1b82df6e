#include "support/Recorder.h"

#include "support/Files.h"
#include "support/Paths.h"

#include <cstdlib>
#include <stdexcept>

namespace testsupport {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

unsigned long Number(const std::string& field, const std::string& line) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(field.c_str(), &end, 10);
    if (field.empty() || *end) throw std::runtime_error("bad number '" + field + "' in recorder line: " + line);
    return value;
}

RecorderRecord ParseLine(const std::string& line) {
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 5 && fields.size() != 6) throw std::runtime_error("bad recorder line: " + line);
    RecorderRecord record;
    record.program = fields[0];
    record.commandLine = fields[1];
    record.flags = Number(fields[2], line);
    record.show = static_cast<WORD>(Number(fields[3], line));
    record.dir = fields[4];
    if (fields.size() == 6) record.visible = Number(fields[5], line) != 0;
    return record;
}

} // namespace

std::vector<RecorderRecord> ReadRecords(const std::string& path) {
    std::vector<RecorderRecord> records;
    if (!FileExists(path)) return records;
    const std::string text = ReadFileBytes(path);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) records.push_back(ParseLine(line));
        start = end + 1;
    }
    return records;
}

std::string RecorderExe() { return WinPath(ZARVEL_RECORDER_EXE); }

} // namespace testsupport
