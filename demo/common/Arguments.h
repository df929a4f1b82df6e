#pragma once

// True when the last command-line argument is the switch, compared without regard to case.
// Only the last one counts: an unquoted program path with blanks splits into several
// leading arguments, and the switch always follows them.
bool LastArgumentIs(const char* expected);
