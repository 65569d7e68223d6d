// The library's composition root: the transports it is built with and the choice between them.
#pragma once

#include "core/registry.h"

namespace oskn {

// Registers the transports and the chooser with the core, once. Every call that enumerates
// drives makes it first, so nothing depends on the linker keeping self-registering objects.
void install_Transports();

// The virtual drives of OSKN_VIRTUAL_DRIVES when it is set, else the machine's.
TransportChoice choose_Transport();

} // namespace oskn
