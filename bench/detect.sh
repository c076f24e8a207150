#!/usr/bin/env bash
# Code-page detection beside enca (told the language), uchardet, chardet and charset-normalizer
# (installed here, for this comparison only) on 10,000 samples of natural Russian and Ukrainian
# text of 40 to 2,000 characters, plain and inside HTML, in the six pages; then the speed of
# detecting 64 KB. The text comes from Debian packages (bench/detect/corpus.py names them),
# downloaded into CACHE; the peers' answers are kept there too, since they take minutes.
# Usage: bench/detect.sh [CACHE] (default /tmp/tw-detect-cache)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache=${1:-/tmp/tw-detect-cache}

missing=()
command -v enca >/dev/null || missing+=(enca)
command -v uchardet >/dev/null || missing+=(uchardet)
/usr/bin/python3 -c 'import chardet' 2>/dev/null || missing+=(python3-chardet)
/usr/bin/python3 -c 'import charset_normalizer' 2>/dev/null || missing+=(python3-charset-normalizer)
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

/usr/bin/python3 "$root/bench/detect/compare.py" --tw "$root/build/tw-detect" --cache "$cache" \
  2> >(grep -v '^W: Download is performed unsandboxed' >&2)
echo
echo "Targets: >= 99.5% right overall, >= 98% right on 40 characters, <= 0.2% wrong."
echo
"$root/build/bench/bench-detect"
echo "Target: under 1 ms (1000 us) for 64 KB."
