#include "support/Error.h"

#include <stdexcept>

namespace testsupport {

void ThrowWin32Error(const std::string& what, DWORD error) {
    throw std::runtime_error(what + " failed with Windows error " + std::to_string(error));
}

} // namespace testsupport
