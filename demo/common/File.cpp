#include "demo/common/File.h"

#include <windows.h>

#include "afx/Scoped.h"

bool WriteFileBytes(const std::string& path, const void* data, std::size_t size, WriteMode mode) {
    const bool append = mode == WriteMode::Append;
    ScopedHandle file(CreateFileA(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    DWORD written = 0;
    return WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}
