#!/usr/bin/env bash
# Opens a generated 100 MB, 2-million-line page in the editor under Xvfb, and in the other
# editors named on the command line when they are installed, and reports for each the time
# until its window shows and its work has settled (no processor time used for 0.5 s, that
# pause not counted) and its peak memory. Best of three runs each.
# Usage: bench/open.sh [FOLDER [EDITOR...]]  (a tmpfs folder, default /dev/shm; e.g. kate)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# Prints "seconds peak_kB" for one run of the command line given, under the current display.
measure_once() {
  local home="$dir/home" start pid cpu last_cpu settled now
  rm -rf "$home" && mkdir -p "$home/.config" "$home/.local/share" "$home/run"
  chmod 700 "$home/run"
  start=$(date +%s.%N)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" "$@" >"$dir/last.log" 2>&1 &
  pid=$!
  # The window first, then the processor time standing still.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    sleep 0.02
    kill -0 "$pid" 2>/dev/null || { cat "$dir/last.log" >&2; echo "failed"; return; }
  done
  last_cpu=-1 settled=$(date +%s.%N)
  while :; do
    cpu=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    now=$(date +%s.%N)
    if [ "$cpu" != "$last_cpu" ]; then
      last_cpu=$cpu settled=$now
    elif [ "$(echo "$now - $settled > 0.5" | bc)" = 1 ]; then
      break
    fi
    sleep 0.05
  done
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(echo "$settled - $start" | bc) $peak"
}

measure() {
  local name=$1 best=999 peak=0 line t m
  shift
  for _ in 1 2 3; do
    line=$(measure_once "$@")
    [ "$line" = failed ] && { echo "$name: did not open"; return; }
    read -r t m <<<"$line"
    if [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t peak=$m; fi
  done
  printf '%-10s %6.2f s  %5d MiB  (%.2f x the file)\n' "$name" "$best" "$((peak / 1024))" \
    "$(echo "$peak * 1024 / $size" | bc -l)"
  echo "$name $best $peak" >>"$dir/results"
}

# Under Xvfb the script runs itself again with the page ready (xvfb-run's shell drops
# exported functions).
if [ -n "${TW_OPEN_DIR:-}" ]; then
  dir=$TW_OPEN_DIR size=$(stat -c %s "$dir/page.html")
  measure tagwright "$root/build/tagwright" "$dir/page.html"
  for editor in "$@"; do
    if command -v "$editor" >/dev/null; then
      measure "$editor" "$editor" "$dir/page.html"
    else
      echo "$editor: not installed"
    fi
  done
  exit 0
fi

dir=${1:-/dev/shm}/tw-open-$$
shift || true
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT
"$root/build/tw-genhtml" "$dir/page.html"
size=$(stat -c %s "$dir/page.html")
echo "file: $((size / 1000000)) MB; load: $(cut -d' ' -f1-3 /proc/loadavg)"
TW_OPEN_DIR=$dir xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
if [ -f "$dir/results" ] && [ "$(wc -l <"$dir/results")" -gt 1 ]; then
  read -r _ tt tm < <(head -n 1 "$dir/results")
  tail -n +2 "$dir/results" | while read -r name t m; do
    printf 'tagwright / %s: %.2f x the time, %.2f x the memory\n' "$name" \
      "$(echo "$tt / $t" | bc -l)" "$(echo "$tm / $m" | bc -l)"
  done
fi
