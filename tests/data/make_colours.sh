#!/usr/bin/env bash
# Writes the golden colours file SAMPLE.colours beside each sample source: the output of
# build/tw-colours for the sample's source type. Run it after a deliberate colouring change
# and review the differences; the test SampleColoursTest compares against these files.
# Usage: tests/data/make_colours.sh [BUILD_FOLDER] (default build)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build=${1:-$root/build}
# By source type 0-22.
samples=(txt asp bas bat cpp dcl f html rul java lsp pas pl php py rex rc sgml sh scm sql tcl tex)
for type in "${!samples[@]}"; do
  file="$root/tests/data/sample.${samples[$type]}"
  "$build/tw-colours" --type "$type" "$file" >"$file.colours"
done
