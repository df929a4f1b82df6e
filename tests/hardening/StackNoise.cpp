#include "StackNoise.h"

#include <cstddef>

__attribute__((noinline)) void FillStackWithNoise() {
    volatile char noise[16 * 1024];
    for (std::size_t i = 0; i < sizeof noise; ++i) noise[i] = 'Z';
}
