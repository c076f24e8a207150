#!/usr/bin/env bash
# Runs the fuzz targets one at a time, each seeded from its corpus, and prints executions,
# coverage and the exit status per run. The parser target divides its time among the source
# types (held there by TW_FUZZ_TYPE), each seeded also with the type's sample source in pieces
# of 40 lines. A crasher is copied into tests/fuzz/corpus/NAME, where the replay tests keep it.
# Usage: tests/fuzz/run.sh [SECONDS [TARGET...]]
#        SECONDS per target (default 120); targets html regex parsers load utf8 macrofile
#        recovery (default all); needs build-fuzz, see README "Fuzzing"
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds=${1:-120}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(html regex parsers load utf8 macrofile recovery)
fuzz="$root/build-fuzz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

samples=(txt asp bas bat cpp dcl f html rul java lsp pas pl php py rex rc sgml sh scm sql tcl tex)

# run NAME TARGET SECONDS MAX_LEN CORPUS... : one libFuzzer run, a summary line, crashers kept
run() {
  local name=$1 target=$2 time=$3 max_len=$4
  shift 4
  mkdir -p "$work/$name/new" "$work/$name/crash"
  local log="$work/$name/log" status=0
  "$fuzz/fuzz-$target" -max_total_time="$time" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/$name/crash/" \
    "$work/$name/new" "$@" >"$log" 2>&1 || status=$?
  local runs cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  echo "$name: ${runs:-?} runs in $time s, ${cov:-cov: ?}, exit $status"
  for crash in "$work/$name/crash/"*; do
    [[ -e $crash ]] || continue
    mkdir -p "$root/tests/fuzz/corpus/$target"
    cp "$crash" "$root/tests/fuzz/corpus/$target/$name-$(basename "$crash")"
    echo "  crasher kept: tests/fuzz/corpus/$target/$name-$(basename "$crash")"
  done
}

parsers() {
  local per_type=$((seconds / ${#samples[@]}))
  [[ $per_type -gt 0 ]] || per_type=1
  for ((type = 0; type < ${#samples[@]}; ++type)); do
    local seeds="$work/seeds-$type"
    mkdir -p "$seeds"
    # The type's sample in pieces of 40 lines, each after the type and a zero state byte.
    split -l 40 -a 4 "$root/tests/data/sample.${samples[$type]}" "$seeds/piece-"
    for piece in "$seeds"/piece-*; do
      { printf "\\x$(printf %02x "$type")\\x00"; cat "$piece"; } >"$piece.in"
      rm "$piece"
    done
    TW_FUZZ_TYPE=$type run "parsers-type$type" parsers "$per_type" 4096 "$seeds" \
      "$root/tests/fuzz/corpus/parsers"
  done
}

for target in "${targets[@]}"; do
  case $target in
    parsers) parsers ;;
    load) run load load "$seconds" 70000 "$root/tests/fuzz/corpus/load" ;;
    macrofile) run macrofile macrofile "$seconds" 16384 "$root/tests/fuzz/corpus/macrofile" ;;
    html | regex | utf8 | recovery) run "$target" "$target" "$seconds" 4096 "$root/tests/fuzz/corpus/$target" ;;
    *) echo "unknown target: $target" >&2; exit 2 ;;
  esac
done
