#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

// Sets an environment variable of this process (and so of every child it starts) and puts the old
// value back when it goes out of scope.
class ScopedEnv {
public:
    ScopedEnv(const std::string& name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

}  // namespace testsupport
