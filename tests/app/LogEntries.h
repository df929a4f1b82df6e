#pragma once
#include <string>
#include <vector>

namespace apptest {

// The install log's entries without their time stamps, each text as the setup wrote it (the line
// ends that the log adds are taken out again). Throws when the file holds anything but entries.
std::vector<std::string> ReadLogEntries();

}  // namespace apptest
