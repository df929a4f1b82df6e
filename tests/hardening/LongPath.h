#pragma once
#include <string>

// Files and folders whose paths may pass 260 characters, which the ANSI file functions refuse to
// reach: the wide functions with the \\?\ prefix reach them.
void CreateLongPathFolders(const std::string& path);
void WriteLongPathFile(const std::string& path, const std::string& bytes);
std::string ReadLongPathFile(const std::string& path);

// Removes the folder with everything in it, long paths included, when it goes.
class LongPathTree {
public:
    explicit LongPathTree(std::string path) : m_path(std::move(path)) {}
    ~LongPathTree();
    LongPathTree(const LongPathTree&) = delete;
    LongPathTree& operator=(const LongPathTree&) = delete;

private:
    std::string m_path;
};
