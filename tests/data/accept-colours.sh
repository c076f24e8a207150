#!/usr/bin/env bash
# Puts reviewed colour files in place: every FILE.styled.new that ColourExampleTest wrote below
# tests/data becomes FILE.styled. Review them first, e.g. with
#   for f in $(find tests/data -name '*.styled.new'); do diff -u "${f%.new}" "$f"; done
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
find "$root/tests/data" -name '*.styled.new' -print0 | while IFS= read -r -d '' fresh; do
  mv "$fresh" "${fresh%.new}"
  echo "accepted ${fresh%.new}"
done
