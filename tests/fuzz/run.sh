#!/usr/bin/env bash
# Runs the parser fuzz target once per source type and the Load target, one fuzzer at a time,
# each seeded from its corpus (and a parser run also from the type's sample source), and
# prints executions and coverage per run. A crasher is copied into tests/fuzz/corpus/NAME,
# where the replay tests keep it.
# Usage: tests/fuzz/run.sh [SECONDS_PER_TYPE [LOAD_SECONDS [FIRST_TYPE LAST_TYPE]]]
#        (defaults 120, 180, 0, 22; needs build-fuzz, see README "Fuzzing")
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
per_type=${1:-120}
load_time=${2:-180}
first=${3:-0}
last=${4:-22}
fuzz="$root/build-fuzz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

samples=(txt asp bas bat cpp dcl f html rul java lsp pas pl php py rex rc sgml sh scm sql tcl tex)

# run NAME TARGET SECONDS MAX_LEN CORPUS... : one libFuzzer run, a summary line, crashers kept
run() {
  local name=$1 target=$2 seconds=$3 max_len=$4
  shift 4
  mkdir -p "$work/$name/new" "$work/$name/crash"
  local log="$work/$name/log" status=0
  "$fuzz/fuzz-$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/$name/crash/" \
    "$work/$name/new" "$@" >"$log" 2>&1 || status=$?
  local runs cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "$name: ${runs:-?} runs in $seconds s, ${cov:-cov: ?}, exit $status"
  for crash in "$work/$name/crash/"*; do
    [[ -e $crash ]] || continue
    mkdir -p "$root/tests/fuzz/corpus/$target"
    cp "$crash" "$root/tests/fuzz/corpus/$target/$name-$(basename "$crash")"
    echo "  crasher kept: tests/fuzz/corpus/$target/$name-$(basename "$crash")"
  done
}

for ((type = first; type <= last; ++type)); do
  seeds="$work/seeds-$type"
  mkdir -p "$seeds"
  # The type's sample in pieces of 40 lines, each after the type and a zero state byte.
  split -l 40 -a 4 "$root/tests/data/sample.${samples[$type]}" "$seeds/piece-"
  for piece in "$seeds"/piece-*; do
    { printf "\\x$(printf %02x "$type")\\x00"; cat "$piece"; } >"$piece.in"
    rm "$piece"
  done
  TW_FUZZ_TYPE=$type run "type$type" parsers "$per_type" 4096 "$seeds" \
    "$root/tests/fuzz/corpus/parsers"
done
run load load "$load_time" 70000 "$root/tests/fuzz/corpus/load"
