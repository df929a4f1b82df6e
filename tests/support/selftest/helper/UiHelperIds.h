#pragma once

// What the helper shows, shared with the test that drives it.
#define HELPER_DIALOG 100
#define HELPER_LIST 1000
#define HELPER_STATUS 1002
#define HELPER_GO 1004
#define HELPER_HIDDEN 1006

#define HELPER_CAPTION "Helper Dialog"
#define HELPER_CONFIRM_TEXT "Close the helper?"
