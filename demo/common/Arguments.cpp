#include "demo/common/Arguments.h"

#include <windows.h>

#include <cstdlib>

bool LastArgumentIs(const char* expected) {
    return __argc >= 2 && lstrcmpiA(__argv[__argc - 1], expected) == 0;
}
