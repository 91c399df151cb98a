#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the example building.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$here/build"
example="$here/build/src/app/Examples/Πολυκατοικία Παραδείγματος.s43"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display. Run the program on a virtual one, for example:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' \"$here/build/src/app/kelvarino\" \"$example\""
  exit 1
fi
exec "$here/build/src/app/kelvarino" "$example"
