#pragma once
#include <string>
#include <vector>

// The install log read back entry by entry: each entry's text as the program wrote it, with the
// time stamp and the line-end translation taken off (a text of several lines comes back with its
// inner line ends as LF, CR LF as CR LF). Throws std::runtime_error when the bytes are not a
// sequence of stamped entries.
std::vector<std::string> LogEntries(const std::string& bytes);
