#!/usr/bin/env bash
# Configures and builds into the given folder (default: build) as a Debug build
# (Qt's checks on) without debug information, which halves the link times;
# further arguments go to cmake and may override that.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build}
shift || true
launcher=()
# A compiler cache, where the machine has one, makes rebuilds of other folders cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g0 "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
