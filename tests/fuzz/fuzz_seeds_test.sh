#!/usr/bin/env bash
# The seed folder of the graph fuzzers, made with stand-in analysis programs that write a graph file
# beside each data file: a missing, empty or half-filled folder is filled; a ready one is left
# alone; programs that write nothing leave no folder that looks ready.
#   tests/fuzz/fuzz_seeds_test.sh SOURCE_DIR
set -uo pipefail
script="$1/scripts/fuzz_seeds.sh"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/examples" "$tmp/bin" "$tmp/silent"
printf 'layered\r\n' >"$tmp/examples/LAY1.DAT"
printf 'slab\r\n' >"$tmp/examples/SLA1.DAT"
for program in morvelin:LAY bruntola:SLA; do
  name="${program%%:*}" ext="${program##*:}"
  printf '#!/bin/sh\necho "$1" >>"%s/runs"\n: >"${1%%.DAT}.%s"\n' "$tmp" "$ext" >"$tmp/bin/$name"
  printf '#!/bin/sh\nexit 2\n' >"$tmp/silent/$name"
done
chmod +x "$tmp"/bin/* "$tmp"/silent/*

passed=0 failed=0
check() {   # check NAME CONDITION...
  local name="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}
filled() { [ -f "$1/LAY1.LAY" ] && [ -f "$1/SLA1.SLA" ] && [ -f "$1/LAY1.DAT" ] && [ ! -e "$1.partial" ]; }
runs() { if [ -f "$tmp/runs" ]; then wc -l <"$tmp/runs"; else echo 0; fi; }

for state in missing empty half-filled; do
  seeds="$tmp/$state/seeds"
  case "$state" in
    missing) ;;
    empty) mkdir -p "$seeds" ;;
    half-filled) mkdir -p "$seeds" && cp "$tmp/examples/LAY1.DAT" "$seeds/" ;;
  esac
  check "$state folder is not ready" bash -c "! '$script' --ready '$seeds'"
  check "$state folder is filled" "$script" "$seeds" "$tmp/examples" "$tmp/bin"
  check "$state folder holds the examples and their graph files" filled "$seeds"
  check "$state folder is ready after" "$script" --ready "$seeds"
done

before="$(runs)"
check "a ready folder is left alone" "$script" "$tmp/missing/seeds" "$tmp/examples" "$tmp/bin"
check "a ready folder runs no program" [ "$(runs)" = "$before" ]

seeds="$tmp/silent-run/seeds"
mkdir -p "$seeds"
check "programs that write nothing do not stop the fuzzing" "$script" "$seeds" "$tmp/examples" "$tmp/silent"
check "programs that write nothing leave the folder not ready" bash -c "! '$script' --ready '$seeds'"
check "programs that write nothing leave no partial folder" [ ! -e "$seeds.partial" ]

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
