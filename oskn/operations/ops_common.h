// Shared by the operations library's calls.
#pragma once

#include "core/device.h"
#include "oskn_operations.h"

namespace oskn {
namespace ops {

inline bool is_Ata(const _tDevice* device) { return record::flags(device) & record::FlagAta; }

// The drive refusing a command means it cannot perform the operation.
inline int cannot_If_Unsupported(int rc) { return rc == OSKN_NOT_SUPPORTED ? OSKN_CANNOT_PERFORM : rc; }

} // namespace ops
} // namespace oskn
