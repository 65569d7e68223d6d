// Shared by the operations library's calls.
#pragma once

#include "core/device.h"
#include "oskn_operations.h"
