#include "HandleProbe.h"

#include "support/Error.h"

HANDLE NextHandleValue() {
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!event) testsupport::ThrowWin32Error("CreateEvent");
    CloseHandle(event);
    return event;
}
