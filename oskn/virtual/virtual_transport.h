// Emulated SATA drives behind a SAT layer, described by a JSON file (see demo/README.md).
// The library uses this transport instead of the linux one when OSKN_VIRTUAL_DRIVES is set.
#pragma once

#include <memory>
#include <string>

#include "core/transport.h"

namespace oskn {

// Reads the description at jsonPath and returns a transport that enumerates exactly the drives
// it describes. On bad input returns null and sets error to one line naming the file, the drive
// (index and name) and the field; no drive of a refused file is ever listed.
std::unique_ptr<Transport> make_Virtual_Transport(const std::string& jsonPath, std::string& error);

// Registers this transport with the core as "virtual"; its argument is the description file.
void register_Virtual_Transport();

} // namespace oskn
