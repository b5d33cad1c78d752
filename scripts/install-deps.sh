#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Safe to run again.
# With --fuzz it also installs clang and libFuzzer for scripts/fuzz.sh.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation2 liblapack-dev qt6-svg-dev poppler-utils ccache)
if [ "${1:-}" = "--fuzz" ]; then pkgs+=(clang libfuzzer-14-dev libclang-rt-14-dev); fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
