#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite.
# GW_SANITIZE=1 builds the tests with AddressSanitizer + UBSan in build-asan instead;
# GW_TSAN=1 builds only the test programs that start threads with ThreadSanitizer in
# build-tsan and runs their tests; GW_RELEASE=1 builds the Release configuration packagers use
# in build-release.
set -euo pipefail
cd "$(dirname "$0")/.."
ctest_filter=()
scripts/deps.sh
if [ "${GW_SANITIZE:-0}" = "1" ]; then
  build_dir=build-asan
  scripts/build.sh "$build_dir" -DGW_SANITIZE=ON -DGW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
elif [ "${GW_TSAN:-0}" = "1" ]; then
  build_dir=build-tsan
  cmake -S . -B "$build_dir" -G Ninja -DGW_WERROR=ON -DGW_TSAN=ON -DGW_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
  cmake --build "$build_dir" --target gw_thread_tests
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$(pwd)/tests/tsan.supp"
  ctest_filter=(-L threads)
elif [ "${GW_RELEASE:-0}" = "1" ]; then
  build_dir=build-release
  # Warnings are shown but not fatal here: GCC 12's optimiser reports false positives at -O3
  # inside the standard library; the other two builds keep warnings as errors.
  scripts/build.sh "$build_dir" -DCMAKE_BUILD_TYPE=Release -DGW_WERROR=OFF
else
  build_dir=build
  scripts/build.sh "$build_dir"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" --timeout 300 "${ctest_filter[@]}"
