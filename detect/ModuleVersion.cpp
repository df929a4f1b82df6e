#include "detect/ModuleVersion.h"

#include <cstring>

#include "detect/VersionApi.h"

namespace {
const DWORD kFixedSignature = 0xFEEF04BD;
const WORD kUsEnglish = 0x0409;
const WORD kWesternCodePage = 1252;
}  // namespace

// Without a translation table the strings are looked for under US English.
FXAModuleVersion::FXAModuleVersion()
    : VS_FIXEDFILEINFO(), m_pVersionData(nullptr), m_wLanguage(kUsEnglish), m_wCodePage(kWesternCodePage),
      m_dwVersionDataSize(0) {}

FXAModuleVersion::~FXAModuleVersion() { delete[] m_pVersionData; }

BOOL FXAModuleVersion::Load(const char* fileName) {
    m_wCodePage = kWesternCodePage;
    VS_FIXEDFILEINFO& fixed = *this;
    fixed = VS_FIXEDFILEINFO();

    const VersionApi& api = TheVersionApi();
    if (!api.IsLoaded()) return FALSE;
    DWORD ignored = 0;
    const DWORD size = api.GetFileVersionInfoSizeA(fileName, &ignored);
    if (size == 0) return FALSE;
    delete[] m_pVersionData;
    m_pVersionData = new BYTE[size]();
    m_dwVersionDataSize = size;
    if (!api.GetFileVersionInfoA(fileName, 0, size, m_pVersionData)) return FALSE;

    void* root = nullptr;
    UINT rootLength = 0;
    if (!api.VerQueryValueA(m_pVersionData, "\\", &root, &rootLength) || !root) return FALSE;
    // A truncated record yields only the bytes it has; the rest stays zero.
    memcpy(&fixed, root, rootLength < sizeof fixed ? rootLength : sizeof fixed);

    void* translation = nullptr;
    UINT translationLength = 0;
    if (api.VerQueryValueA(m_pVersionData, "\\VarFileInfo\\Translation", &translation, &translationLength) &&
        translation && translationLength >= 4) {
        DWORD first = 0;
        memcpy(&first, translation, sizeof first);
        m_wLanguage = LOWORD(first);
        m_wCodePage = HIWORD(first);
    }
    return dwSignature == kFixedSignature;
}

CString FXAModuleVersion::GetVersionString(const char* entryName) {
    CString result;
    if (!m_pVersionData) return result;
    CString path;
    path.Format("\\StringFileInfo\\%04x%04x\\%s", m_wLanguage, m_wCodePage, entryName);
    void* value = nullptr;
    UINT length = 0;
    if (!TheVersionApi().VerQueryValueA(m_pVersionData, path, &value, &length) || !value) return result;

    // Never read past the value's own length or the end of the block, NUL or not.
    const char* text = static_cast<const char*>(value);
    const char* blockEnd = reinterpret_cast<const char*>(m_pVersionData) + m_dwVersionDataSize;
    if (text < reinterpret_cast<const char*>(m_pVersionData) || text >= blockEnd) return result;
    size_t limit = static_cast<size_t>(blockEnd - text);
    if (length < limit) limit = length;
    result = CString(text, static_cast<int>(strnlen(text, limit)));
    return result;
}
