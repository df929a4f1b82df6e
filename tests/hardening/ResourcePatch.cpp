#include "ResourcePatch.h"

#include <stdexcept>

#include "support/Files.h"

std::string Utf16(const std::string& text) {
    std::string wide;
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::string Patched(const std::string& bytes, const std::string& anchor, const std::string& from,
                    const std::string& to) {
    if (from.size() != to.size()) throw std::logic_error("a patch must keep the length");
    const size_t start = anchor.empty() ? 0 : bytes.find(anchor);
    if (start == std::string::npos) throw std::runtime_error("the file has no anchor for the patch");
    const size_t at = bytes.find(from, start);
    if (at == std::string::npos) throw std::runtime_error("the file has nothing to patch after its anchor");
    std::string patched = bytes;
    patched.replace(at, from.size(), to);
    return patched;
}

void CopyPatched(const std::string& source, const std::string& target, const std::string& anchor,
                 const std::string& from, const std::string& to) {
    testsupport::WriteFileBytes(target, Patched(testsupport::ReadFileBytes(source), anchor, from, to));
}
