#pragma once
#include <windows.h>

#include <utility>

namespace testsupport {

// Owns a kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr) {
        if (IsValid()) ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle;
};

} // namespace testsupport
