#pragma once

// Resource id of the program that an installer carries inside itself (RCDATA), shared with
// the resource scripts.
#define DEMO_PAYLOAD_ID 1
