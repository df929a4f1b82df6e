#pragma once

// Compares two dotted version texts number by number ("10.0" is after "5.0"). Each piece counts by
// its leading decimal digits (none: 0); missing pieces count as 0. Negative, zero or positive, as
// strcmp.
int CompareDottedVersions(const char* a, const char* b);
