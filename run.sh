#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its default database.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

vindoro_install_missing
BUILD_DIR="${BUILD_DIR:-build}"
vindoro_build "$BUILD_DIR"
exec "$BUILD_DIR/Vindoro" "$@"
