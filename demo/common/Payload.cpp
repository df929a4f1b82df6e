#include "demo/common/Payload.h"

#include <windows.h>
#include <shlobj.h>

#include "demo/common/File.h"
#include "demo/common/PayloadId.h"

bool InstallPayload(const std::string& folder, const char* fileName) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(DEMO_PAYLOAD_ID), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || folder.empty()) return false;
    const int created = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS) return false;
    return WriteFileBytes(folder + "\\" + fileName, data, SizeofResource(nullptr, found), WriteMode::Replace);
}
