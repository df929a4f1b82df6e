#pragma once
#include <string>

// What the install log gains from here on: remembers its length now and returns the bytes added
// since, so a test sees its own entries in the log that every test shares.
class LogTail {
public:
    LogTail();
    std::string Added() const;

private:
    size_t m_start;
};
