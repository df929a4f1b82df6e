#pragma once
#include <string>

// The small programs built beside the tests only for their version resources (Windows paths).
namespace detectdata {

std::string File(const std::string& name);
// The folder that holds an IsoEngine6.exe carrying this file version ("none": no version resource).
std::string EngineFolder(const std::string& version);

}  // namespace detectdata
