#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"
ctest --preset test -j "$(nproc)"
