#!/bin/sh
# Builds the program, the library and the suites with AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build directory and runs the whole suite there.
# Any report fails the run; the only leaks let through are those of Qt and WebKit themselves
# (tools/sanitizers/lsan.supp). Usage: tools/sanitize.sh [ctest arguments, e.g. -R oskn]
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SANITIZE_BUILD:-$ROOT/build-sanitize}
JOBS=${JOBS:-$(nproc)}
FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS="$FLAGS" -DCMAKE_CXX_FLAGS="$FLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$BUILD" -j "$JOBS"

SUPP=$ROOT/tools/sanitizers
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$SUPP/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$BUILD"
# The suites run slower under the sanitizers; their waits are in program time, so the scale of
# the machine's load does not change their verdicts.
ctest --output-on-failure -j "$JOBS" --timeout 1800 "$@"
