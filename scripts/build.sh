#!/usr/bin/env bash
# Configures and builds into the given folder (default: build) as a Debug build.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build}
shift || true
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
