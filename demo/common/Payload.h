#pragma once
#include <string>

// Writes the program carried as resource DEMO_PAYLOAD_ID to folder\fileName, creating the
// folder and its parents. An existing file is replaced.
bool InstallPayload(const std::string& folder, const char* fileName);
