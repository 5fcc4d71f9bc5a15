#!/usr/bin/env bash
# Installs what is missing, builds the optimised program in its own folder and starts it on its
# default database.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

vindoro_install_missing
BUILD_DIR="${BUILD_DIR:-build-release}"
vindoro_build "$BUILD_DIR" Release -- Vindoro
exec "$BUILD_DIR/Vindoro" "$@"
