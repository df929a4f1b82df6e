#pragma once
#include <string>

// A text as the resource compiler stores it in a version resource: UTF-16, little-endian.
std::string Utf16(const std::string& text);

// Replaces the first occurrence of from that follows anchor (from the start when anchor is empty)
// with to, which must have the same length; throws when anchor or from is not found, so a changed
// build cannot turn a patch into a no-op.
std::string Patched(const std::string& bytes, const std::string& anchor, const std::string& from,
                    const std::string& to);

// A copy of the file with the patch applied, written to target.
void CopyPatched(const std::string& source, const std::string& target, const std::string& anchor,
                 const std::string& from, const std::string& to);
