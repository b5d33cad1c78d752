#!/usr/bin/env bash
# The seed folder of the graph fuzzers: the example data files and the graph files that the analysis
# programs write for them.
#   scripts/fuzz_seeds.sh --ready SEEDS          exit 0 when SEEDS holds graph files of both kinds
#   scripts/fuzz_seeds.sh SEEDS EXAMPLES BIN     fills SEEDS unless it is ready, running BIN/morvelin
#                                                and BIN/bruntola on the examples of EXAMPLES
# A folder left empty or half filled by an earlier attempt is filled anew. The folder is made aside
# and put in place only once it holds graph files of both kinds, so a failed attempt leaves nothing
# that looks ready.
set -euo pipefail

ready() {
  compgen -G "$1/*.LAY" >/dev/null && compgen -G "$1/*.SLA" >/dev/null
}

if [ "${1:-}" = "--ready" ]; then
  ready "$2"
  exit
fi
seeds="$1" examples="$2" bin="$3"
if ready "$seeds"; then exit 0; fi
work="$seeds.partial"
rm -rf "$work"
mkdir -p "$work"
cp "$examples"/*.DAT "$work"/
for f in "$work"/LAY*.DAT; do env -u DISPLAY -u WAYLAND_DISPLAY "$bin/morvelin" "$f" >/dev/null 2>&1 || true; done
for f in "$work"/SLA*.DAT; do env -u DISPLAY -u WAYLAND_DISPLAY "$bin/bruntola" "$f" >/dev/null 2>&1 || true; done
if ! ready "$work"; then
  echo "fuzz seeds: the analysis programs in $bin wrote no graph files; the graph fuzzers start without them" >&2
  rm -rf "$work"
  exit 0
fi
rm -rf "$seeds"
mv "$work" "$seeds"
