#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
source scripts/services.sh

vindoro_install_missing
BUILD_DIR="${BUILD_DIR:-build}"
vindoro_build "$BUILD_DIR"

export TZ=Europe/Ljubljana
vindoro_services_start
trap vindoro_services_stop EXIT
jobs="$(nproc)"

# A fixed screen and pixel density, so GUI tests measure the same everywhere.
xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96 -nolisten tcp" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$jobs" --timeout 600

# The benchmarks must keep running; a short pass shows their ratios without deciding anything.
"$BUILD_DIR/vindoro_bench" --benchmark_min_time=0.05
