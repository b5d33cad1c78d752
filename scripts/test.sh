#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs every test. The test build compiles the benchmarks as well, on the objects the tests use, so
# that they keep building as the code changes; they are not run here (timings: the bench preset).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"
ctest --preset test -j "$(nproc)"
