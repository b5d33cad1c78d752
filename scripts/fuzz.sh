#!/usr/bin/env bash
# Fuzzes every reader of a file a user can hand the package, each target for the given number of
# seconds (default 60), with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
# Corpora start from the examples and grow in build/fuzz/corpus/<target>; what a fuzzer finds is
# left as build/fuzz/findings/<target>/crash-* (keep each as a fixture in tests/fuzz/fixtures/<target>).
# Every target mutates with a dictionary: the extreme numbers of fuzz/dict/numbers.dict and what
# else its input holds (record identifiers, graph-file words, text bytes), joined into
# build/fuzz/dict/<target>.dict.
#   ./scripts/fuzz.sh [seconds] [target ...]
# FUZZ_JOBS=n runs n targets at a time (default 1). Prints, per target, the inputs executed and
# whether it ended clean.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
shift || true
./scripts/install-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
bin="$root/build/fuzz/fuzz/bin"
# The graph files the graph fuzzers start from: the analysis programs run on the examples.
seeds="$root/build/fuzz/seeds"
if ! ./scripts/fuzz_seeds.sh --ready "$seeds"; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j "$(nproc)" --target morvelin bruntola >/dev/null
  ./scripts/fuzz_seeds.sh "$seeds" "$root/examples" "$root/build/release/bin"
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$bin"/*_fuzzer; do targets+=("$(basename "$f" _fuzzer)"); done
fi
seed() {   # the example files a target starts from
  case "$1" in
    morvelin) ls "$root"/examples/LAY*.DAT ;;
    bruntola|large) ls "$root"/examples/SLA*.DAT ;;
    layered_file_old) ls "$root"/examples/LAY*.DAT ;;
    slab_file_old) ls "$root"/examples/SLA*.DAT ;;
    layer_graph) ls "$seeds"/*.LAY 2>/dev/null || true ;;
    slab_graph) ls "$seeds"/*.SLA 2>/dev/null || true ;;
    *) ls "$root"/examples/*.DAT ;;
  esac
}
dictionary() {   # the dictionaries of fuzz/dict a target mutates with
  echo "$root/fuzz/dict/numbers.dict"
  case "$1" in
    morvelin|layered_file_old) echo "$root/fuzz/dict/layered_records.dict" ;;
    bruntola|large|slab_file_old) echo "$root/fuzz/dict/slab_records.dict" ;;
    layer_graph|slab_graph) echo "$root/fuzz/dict/graph_files.dict" ;;
    text_editor_open) echo "$root/fuzz/dict/text_files.dict" ;;
  esac
}
run_target() {   # fuzzes one target; leaves its summary line in build/fuzz/<target>.result
  local t="$1"
  local corpus="$root/build/fuzz/corpus/$t" findings="$root/build/fuzz/findings/$t" log="$root/build/fuzz/$t.log"
  local dict="$root/build/fuzz/dict/$t.dict"
  mkdir -p "$corpus" "$findings" "$(dirname "$dict")"
  for f in $(seed "$t"); do cp -n "$f" "$corpus/" 2>/dev/null || true; done
  cat $(dictionary "$t") >"$dict"
  local rc=0
  ASAN_OPTIONS=detect_leaks=1 "$bin/${t}_fuzzer" "$corpus" -dict="$dict" -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=4096 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || rc=$?
  local runs verdict
  runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  if [ $rc -eq 0 ]; then verdict="clean"; else verdict="FOUND A FAULT (see $log)"; fi
  printf '%-18s %12s inputs  %s\n' "$t" "${runs:-?}" "$verdict" >"$root/build/fuzz/$t.result"
}
jobs="${FUZZ_JOBS:-1}"
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run_target "$t" &
done
wait
status=0
for t in "${targets[@]}"; do
  cat "$root/build/fuzz/$t.result"
  grep -q " clean$" "$root/build/fuzz/$t.result" || status=1
done
exit $status
