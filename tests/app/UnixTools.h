#pragma once
#include <string>
#include <vector>

namespace apptest {

// The host path behind a Windows path of the prefix.
std::string UnixPathOf(const std::string& windowsPath);

// The Wine prefix's own folder on the host.
std::string UnixPrefix();

// Runs a host program (Wine starts those directly) and waits for it; throws unless it exits with 0.
void RunHostCommand(const std::vector<std::string>& arguments);

// Makes a file or folder immutable on the host file system for the holder's lifetime: even root
// cannot change, delete or create anything in it, so Windows calls on it fail with access denied.
class Immutable {
public:
    explicit Immutable(const std::string& windowsPath);
    ~Immutable();
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;

private:
    std::string m_unixPath;
};

}  // namespace apptest
