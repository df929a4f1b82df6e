#pragma once
#include <string>

namespace testsupport {

// Whole file contents as bytes; throws when the file cannot be read.
std::string ReadFileBytes(const std::string& path);
// Creates or replaces the file, creating missing parent folders.
void WriteFileBytes(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);   // an existing file, not a folder
bool FolderExists(const std::string& path);

// Creates the folder and any missing parents.
void CreateFolders(const std::string& path);
// Removes a folder with everything in it, read-only files included; a missing folder is fine.
void RemoveTree(const std::string& path);

// The install log: CSIDL_COMMON_APPDATA + "\ZarvelInstall.log".
std::string CommonAppDataLog();
// Deletes the install log if there is one.
void RemoveLog();

} // namespace testsupport
