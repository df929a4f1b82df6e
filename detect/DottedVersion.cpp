#include "detect/DottedVersion.h"

namespace {
// Reads the number at the start of the piece and moves past the piece and its dot.
unsigned long long NextPiece(const char*& text) {
    unsigned long long value = 0;
    bool saturated = false;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const unsigned digit = static_cast<unsigned>(*text - '0');
        if (value > (~0ULL - digit) / 10) saturated = true;
        if (!saturated) value = value * 10 + digit;
    }
    while (*text && *text != '.') ++text;
    if (*text == '.') ++text;
    return saturated ? ~0ULL : value;
}
}  // namespace

int CompareDottedVersions(const char* a, const char* b) {
    if (!a) a = "";
    if (!b) b = "";
    while (*a || *b) {
        const unsigned long long left = NextPiece(a);
        const unsigned long long right = NextPiece(b);
        if (left != right) return left < right ? -1 : 1;
    }
    return 0;
}
