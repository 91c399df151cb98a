#!/usr/bin/env bash
# Installs what is missing, builds everything in Debug and runs every test; then
# runs the core tests once more in a build with address and undefined-behaviour
# sanitizers.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
jobs=$(nproc)

"$here/scripts/build.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j "$jobs")

"$here/scripts/build.sh" "$here/build-sanitize" -DKV_CORE_ONLY=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
(cd "$here/build-sanitize" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")
