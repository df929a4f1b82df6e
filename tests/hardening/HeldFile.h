#pragma once
#include <windows.h>

#include <string>

#include "support/Process.h"

// A file held open for reading by another process with the given share mode (FILE_SHARE_* flags),
// as a viewer or a virus scanner holds it, until this goes away.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD shareMode);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile();

private:
    testsupport::Child m_holder;
};
