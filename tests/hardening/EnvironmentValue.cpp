#include "EnvironmentValue.h"

#include <windows.h>

#include <vector>

#include "support/Error.h"

EnvironmentValue::EnvironmentValue(const std::string& name, const std::string& value) : m_name(name) {
    const DWORD size = ::GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size > 0) {
        std::vector<char> earlier(size);
        const DWORD length = ::GetEnvironmentVariableA(name.c_str(), earlier.data(), size);
        m_earlier = std::string(earlier.data(), length);
    }
    if (!::SetEnvironmentVariableA(name.c_str(), value.c_str())) testsupport::ThrowWin32Error("setting " + name);
}

EnvironmentValue::~EnvironmentValue() {
    ::SetEnvironmentVariableA(m_name.c_str(), m_earlier ? m_earlier->c_str() : nullptr);
}
