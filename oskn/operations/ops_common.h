// Shared by the operations library's calls.
#pragma once

#include "core/registry.h"
#include "oskn_operations.h"

namespace oskn {

// Starts an off-line routine (a self-test, an in-drive diagnostic) with SMART EXECUTE OFF-LINE
// IMMEDIATE. Some drives and bridges answer GOOD without running it, so it counts as started
// only when the drive then reports a routine running that was not before, or its self-test log
// has gained an entry; otherwise OSKN_FAILURE.
int start_Offline_Routine(_tDevice* device, Drive& drive, uint8_t subcommand);

} // namespace oskn
