#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (no recovery: the first finding stops the test) in build-asan, and runs it.
# Leak detection is off: Qt keeps singletons (fonts, platform plugin, locale data)
# until exit on purpose and LeakSanitizer would report those, not our faults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1"
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
fi
flock /tmp/attestari-build.lock cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
