#pragma once
#include <windows.h>

#include <string>
#include <utility>

// Screenshots are taken on the Linux side (tools/demo runs the X screenshot tool): this program
// asks for one with a line on its output and waits until tools/demo has written the picture.
class Screenshots {
public:
    // folder: where tools/demo writes the pictures; empty means no screenshots are taken.
    explicit Screenshots(std::string folder) : m_folder(std::move(folder)) {}

    // Asks for a picture of the window's screen area, named <name>.png, and returns once it is
    // written (or when tools/demo does not answer in time). Returns the picture's path, or empty.
    std::string Take(const std::string& name, HWND window) const;

private:
    std::string m_folder;
};
