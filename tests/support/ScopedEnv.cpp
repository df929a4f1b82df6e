#include "support/ScopedEnv.h"

#include "support/Error.h"

namespace testsupport {

ScopedEnv::ScopedEnv(const std::string& name, const std::string& value) : m_name(name) {
    char buffer[32 * 1024];
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) m_old = std::string(buffer, length);
    if (!::SetEnvironmentVariableA(name.c_str(), value.c_str()))
        ThrowWin32Error("setting the environment variable " + name);
}

ScopedEnv::~ScopedEnv() { ::SetEnvironmentVariableA(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }

}  // namespace testsupport
