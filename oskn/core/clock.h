// Program time and waits. They go through the common utilities that the executable exports, so
// that a scaled time source (the test suite's) applies to the library too; a host without them
// falls back to the real clock.
#pragma once

#include <cstdint>

namespace oskn {

uint64_t now_Nanoseconds();
void sleep_Milliseconds(uint32_t milliseconds);

} // namespace oskn
