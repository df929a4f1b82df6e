#pragma once

// Fills the stack that the next call will use with non-zero bytes, so that a read past the end of
// a buffer in that call meets more text rather than a stray NUL and shows in its result.
void FillStackWithNoise();
