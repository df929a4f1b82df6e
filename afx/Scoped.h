#pragma once
#include <windows.h>

// Closes a kernel handle when it goes out of scope.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    // The checker's Windows library defines INVALID_HANDLE_VALUE as 0; it is -1.
    // cppcheck-suppress knownConditionTrueFalse
    bool IsValid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr) {
        if (IsValid()) ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle;
};

// Closes a registry key when it goes out of scope; a key that did not open is not closed.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() { Close(); }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    LONG Open(HKEY root, const char* subKey, REGSAM access) {
        Close();
        HKEY key = nullptr;
        const LONG status = ::RegOpenKeyExA(root, subKey, 0, access, &key);
        if (status == ERROR_SUCCESS) m_key = key;
        return status;
    }
    LONG Create(HKEY root, const char* subKey, REGSAM access) {
        Close();
        HKEY key = nullptr;
        const LONG status =
            ::RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
        if (status == ERROR_SUCCESS) m_key = key;
        return status;
    }
    HKEY Get() const { return m_key; }
    bool IsOpen() const { return m_key != nullptr; }
    void Close() {
        if (m_key) ::RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    HKEY m_key = nullptr;
};

// Frees a buffer that the system allocated with LocalAlloc (FormatMessage's ALLOCATE_BUFFER).
class ScopedLocalFree {
public:
    ScopedLocalFree() = default;
    ~ScopedLocalFree() {
        if (m_buffer) ::LocalFree(m_buffer);
    }
    ScopedLocalFree(const ScopedLocalFree&) = delete;
    ScopedLocalFree& operator=(const ScopedLocalFree&) = delete;

    char** Receive() { return &m_buffer; }
    const char* Get() const { return m_buffer; }

private:
    char* m_buffer = nullptr;
};
