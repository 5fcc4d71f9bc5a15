#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in their own folder and runs every test under a virtual X server, then runs the benchmarks from
# the optimised build (the one run.sh starts).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
source scripts/services.sh
source scripts/displays.sh

vindoro_install_missing
TEST_BUILD_DIR="${TEST_BUILD_DIR:-build-asan}"
RELEASE_BUILD_DIR="${RELEASE_BUILD_DIR:-build-release}"
# The sanitizers' run-time options and suppressions are built into the test program
# (tests/sanitizers/SanitizerDefaults.cpp), so the test discovery during the build runs under them too.
vindoro_build "$TEST_BUILD_DIR" Debug -DVINDORO_SANITIZE=ON -- vindoro_tests Vindoro
vindoro_build "$RELEASE_BUILD_DIR" Release -- vindoro_bench

export TZ=Europe/Ljubljana
jobs="$(nproc)"
trap 'vindoro_services_stop; vindoro_displays_stop' EXIT
vindoro_services_start
vindoro_displays_start "$jobs" "$PWD/$TEST_BUILD_DIR/displays.json"

# Every running test has a virtual X server to itself, with a fixed screen and pixel density
# (tests/run-with-own-display.sh), so GUI tests measure the same everywhere.
ctest --test-dir "$TEST_BUILD_DIR" --output-on-failure -j "$jobs" \
  --resource-spec-file "$PWD/$TEST_BUILD_DIR/displays.json"

# The benchmarks must keep running; a short pass shows their ratios without deciding anything.
"$RELEASE_BUILD_DIR/vindoro_bench" --benchmark_min_time=0.05
