#!/usr/bin/env bash
# Time from starting the editor on a large generated level until it is idle.
#
#   bash bench/shell/hopzedit_open.sh [STAGED_PROGRAM_FOLDER] [OBJECTS...]
#
# STAGED_PROGRAM_FOLDER is a build's program folder (default build/Hopz, which
# scripts/play builds; use an optimised build without sanitizers for the
# figure). OBJECTS are the object-line counts of the levels to open (default
# 32000): each level has two ground rows, a coin on every other column, a block
# on every fourth and an enemy on every eighth, on 13 rows. The folder is copied
# to a scratch folder and the editor runs there on the offscreen platform, once
# with no document (the program's own start) and once per level, given on its
# command line as an author opens a file from the desktop.
#
# Idle is measured from the process's CPU time, which Linux keeps in ticks of
# 10 ms: the editor opens the document in its first turn of the event loop and
# then lays out, paints and drains what that queued; it is idle once its CPU
# time stops growing. The script samples the time every 10 ms and reports the
# moment of the last growth before a second without any, counted from the start
# of the process (so the figure includes the program's own start, given alone
# first), with the CPU time spent until then, which a busy machine stretches
# less than the wall clock, and the peak memory.
# Target: a 32,000-object level is idle within 2 s.
set -euo pipefail
STAGE=${1:-build/Hopz}
shift || true
COUNTS=("${@:-32000}")
[ -x "$STAGE/Hopzedit" ] || { echo "no program at $STAGE/Hopzedit" >&2; exit 1; }

WORK=$(mktemp -d)
PID=""
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; rm -rf "$WORK"' EXIT
cp -r "$STAGE"/. "$WORK/"
mkdir -p "$WORK/levels"

# A level of about $1 object lines into $2.
makeLevel() {
  awk -v n="$1" 'BEGIN {
    cols = int(n * 8 / 23) + 1
    printf "[Options]\r\nTime=300\r\nBgColor=16755310\r\nWidth=%d\r\nHeight=13\r\nResFactor=16\r\n", cols + 2
    printf "ImageLib=sprites\\game.iml\r\nSoundLib=sounds\\game.sdl\r\n[Sprites]\r\n%d=0,1\r\n", 10 * 65536 + 2
    count = 1
    for (c = 0; count < n; c++) {
      printf "%d=7,1\r\n%d=6,1\r\n", 11 * 65536 + c, 12 * 65536 + c; count += 2
      if (c % 2 == 0) { printf "%d=49,1\r\n", 6 * 65536 + c; count++ }
      if (c % 4 == 1) { printf "%d=39,1\r\n", 8 * 65536 + c; count++ }
      if (c % 8 == 3) { printf "%d=54,1\r\n", 10 * 65536 + c; count++ }
    }
  }' > "$2"
}

# A sleep inside the shell: no process started between samples.
exec {NAP}<> <(:)
nap() { read -r -t "$1" -u "$NAP" || true; }

# Starts the editor with the given arguments and prints the seconds until idle
# and the peak memory.
measure() {
  local start ticks last changed now stat hz
  hz=$(getconf CLK_TCK)
  start=${EPOCHREALTIME//[.,]/}
  (cd "$WORK" && exec env QT_QPA_PLATFORM=offscreen ./Hopzedit "$@" >/dev/null 2>&1) &
  PID=$!
  last=-1
  changed=$start
  while :; do
    read -r stat < "/proc/$PID/stat" || { echo "the editor ended" >&2; exit 1; }
    # utime and stime: fields 14 and 15, after the command name in parentheses.
    stat=${stat##*) }
    read -r -a f <<< "$stat"
    ticks=$((f[11] + f[12]))
    now=${EPOCHREALTIME//[.,]/}
    if [ "$ticks" != "$last" ]; then
      last=$ticks
      changed=$now
    elif [ $((now - changed)) -ge 1000000 ]; then
      break
    fi
    nap 0.01
  done
  local peak
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$PID/status")
  kill "$PID"
  wait "$PID" 2>/dev/null || true
  PID=""
  awk -v us=$((changed - start)) -v cpu="$last" -v hz="$hz" -v kb="$peak" \
    'BEGIN {printf "%.2f s (CPU %.2f s, peak memory %d MB)", us / 1e6, cpu / hz, kb / 1024}'
}

echo "editor alone: idle after $(measure)"
for n in "${COUNTS[@]}"; do
  makeLevel "$n" "$WORK/levels/bench_$n.tql"
  lines=$(awk '/^\[Sprites\]/ {s = 1; next} s' "$WORK/levels/bench_$n.tql" | wc -l)
  echo "level of $lines objects: idle after $(measure "levels/bench_$n.tql")"
done
