#!/usr/bin/env bash
# Installs what is missing, builds the whole program in Debug with the address
# and undefined-behaviour sanitizers, and runs every test under them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"

# The benchmarks are built by the run command's build, not here: no test runs them.
"$here/scripts/build.sh" "$here/build-sanitize" -DKV_SANITIZE=ON -DKV_BENCHMARKS=OFF
(cd "$here/build-sanitize" && ctest --output-on-failure -j "$(nproc)")
