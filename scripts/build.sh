#!/usr/bin/env bash
# Configures and builds with warnings as errors.
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -G Ninja -DGW_WERROR=ON "$@"
cmake --build "$build_dir"
