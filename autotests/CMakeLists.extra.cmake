# The device record must have the same layout on 32-bit x86 (the bootable environment) as on
# x86-64: compile the library's headers for i386 and let their static_asserts check the offsets.
set(OSKN_I386_CHECK ${CMAKE_CURRENT_BINARY_DIR}/oskn_record_i386.cpp)
file(WRITE ${OSKN_I386_CHECK} [=[
#include "oskn_tcgoperations.h"
#include "oskn_operations.h"
static_assert(sizeof(void*) == 4, "not compiled for 32 bits");
static_assert(sizeof(versionBlock) == 8, "version block");
static_assert(sizeof(sanitizeFeaturesSupported) == 5, "sanitize features");
static_assert(sizeof(iddSupportedFeatures) == 3, "IDD features");
static_assert(offsetof(_tDevice, maxLBA) == 76, "maxLBA");
]=])
add_test(NAME tst_oskn_record_i386
  COMMAND ${CMAKE_CXX_COMPILER} -m32 -std=c++17 -fsyntax-only
    -I${CMAKE_SOURCE_DIR}/src/deviceaccess ${OSKN_I386_CHECK})
