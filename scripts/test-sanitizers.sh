#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there. Any
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${ASAN_BUILD_DIR:-build-asan}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DZELIRO_SANITIZE=ON
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
# intercept_tls_get_addr=0: the sanitizer runtime of GCC 12 may take a block
# of dynamic TLS for an old glibc's header, by the chance of where malloc put
# it, and the leak check's tracer then dies reading it at exit ("Tracer caught
# signal 11"), after a test that passed. Leaks are still checked.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure --timeout 900 "$@"
