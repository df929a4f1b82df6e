#include "HandleProbe.h"

#include "support/Error.h"

HANDLE NextHandleValue() {
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!event) testsupport::ThrowWin32Error("CreateEvent");
    CloseHandle(event);
    // Only the value is wanted: it is the slot the next handle takes, never used as a handle again.
    // cppcheck-suppress deallocret
    return event;
}
