#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Safe to run again.
# With --fuzz it also installs clang and libFuzzer for scripts/fuzz.sh; with --desktop, a virtual X
# server and the tools to drive its windows and take screenshots of them (xvfb-run, xdotool, xwd).
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation2 liblapack-dev qt6-svg-dev poppler-utils ccache)
if [ "${1:-}" = "--fuzz" ]; then pkgs+=(clang libfuzzer-14-dev libclang-rt-14-dev); fi
if [ "${1:-}" = "--desktop" ]; then pkgs+=(xvfb xauth xdotool x11-apps); fi
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
