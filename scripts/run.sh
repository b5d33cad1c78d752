#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts ROVANTE on the bundled examples.
# Without a display it says so and runs the layered and the slab analysis on an example instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
bin="$root/build/release/bin"
data="$root/build/release/examples"
mkdir -p "$data"
cp -f "$root"/examples/*.DAT "$data"/ 2>/dev/null || true
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The main window opens on the examples directory.
  [ -f "$bin/DataPath" ] || printf '%s/\r\n' "$data" > "$bin/DataPath"
  exec "$bin/rovante"
fi
echo "No display is available, so ROVANTE's window cannot open."
echo "Running the analysis programs on the bundled examples from the terminal instead."
for pair in "morvelin LAY1" "bruntola SLA1"; do
  set -- $pair
  if [ ! -f "$data/$2.DAT" ]; then
    echo "== $1: the example $2.DAT is not bundled in this build."
  else
    echo "== $1 $data/$2"
    "$bin/$1" "$data/$2" || echo "($1 ended with status $?)"
    for ext in TXT LAY SLA; do
      if [ -f "$data/$2.$ext" ]; then echo "Written: $data/$2.$ext"; fi
    done
  fi
done
