#pragma once
#include <string>
#include <vector>

// The texts of the install log's lines, each without its time stamp and ": " (lines that continue an
// entry have none and stay whole).
std::vector<std::string> LogLines(const std::string& logBytes);

// Whether the lines hold these texts one right after the other.
bool HasInSequence(const std::vector<std::string>& lines, const std::vector<std::string>& texts);
