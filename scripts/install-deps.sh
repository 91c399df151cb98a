#!/usr/bin/env bash
# Installs the Debian packages the program needs, only those that are missing.
set -euo pipefail
packages=(qt6-base-dev qt6-l10n-tools libxlsxwriter-dev pkg-config cmake ninja-build g++ lld xvfb xauth
          fonts-liberation2 fonts-dejavu-core poppler-utils libbenchmark-dev libcups2-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
