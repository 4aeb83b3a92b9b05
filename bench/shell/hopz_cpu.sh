#!/usr/bin/env bash
# CPU time of the game program while its main window runs frames at 40 FPS.
#
#   bash bench/shell/hopz_cpu.sh [STAGED_PROGRAM_FOLDER] [SECONDS]
#
# STAGED_PROGRAM_FOLDER is a build's program folder (default build/Hopz, which scripts/play builds; use
# an optimised build without sanitizers for the figure). The folder is copied to
# a scratch folder, the game runs there under Xvfb in window mode with its
# version check pointed at a closed port on 127.0.0.1, the launcher's start
# button is pressed, and after a second of settling the script measures for
# SECONDS (default 10): the process's user+system CPU time, and, when perf can
# place a probe (root), the number of frames. Target: under 10% of one core.
# Needs xvfb-run and xdotool.
set -euo pipefail
STAGE=${1:-build/Hopz}
SECONDS_TO_RUN=${2:-10}
[ -x "$STAGE/Hopz" ] || { echo "no program at $STAGE/Hopz" >&2; exit 1; }
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "needs xvfb-run and xdotool" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp -r "$STAGE"/. "$WORK/"
mkdir -p "$WORK/Languages"
printf '[Options]\r\nLanguage=BenchLocal\r\n[DirectDraw]\r\nWindowMode=1\r\n[MainWindow]\r\nWidth=640\r\nHeight=480\r\n' > "$WORK/Hopz.ini"
printf '[MainWindow]\r\nVersionURL=http://127.0.0.1:9/version.txt\r\n' > "$WORK/Languages/BenchLocal.ini"

cat > "$WORK/run.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"; SECS=$2
./Hopz >"$1/hopz.log" 2>&1 &
PID=$!
for _ in $(seq 50); do xdotool search --name "Tobbo Quest" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
xdotool key Return
sleep 1.5
ticks() { awk '{print $14 + $15}' /proc/$PID/stat; }
HZ=$(getconf CLK_TCK)
PROBE=""
# The frame handler's address: probing by address works without debug information.
ADDR=$(nm ./Hopz 2>/dev/null | awk '/ T _ZN7TfmMain12DXScreenFlipEv$/ {print $1; exit}')
if [ "$(id -u)" -eq 0 ] && command -v perf >/dev/null && [ -n "$ADDR" ] &&
   perf probe -q -x ./Hopz -a "0x$ADDR" 2>/dev/null; then
  PROBE=$(perf probe -l 2>/dev/null | awk '/DXScreenFlip/ {print $1; exit}')
fi
T0=$(ticks)
if [ -n "$PROBE" ]; then
  perf stat -x, -e "$PROBE" -p $PID -- sleep "$SECS" 2>"$1/perf.txt" || true
else
  sleep "$SECS"
fi
T1=$(ticks)
[ -n "$PROBE" ] && perf probe -q --del "$PROBE" 2>/dev/null || true
kill $PID; wait $PID 2>/dev/null
CPU=$(awk -v a=$T0 -v b=$T1 -v hz=$HZ -v s=$SECS 'BEGIN {printf "%.1f", 100 * (b - a) / hz / s}')
echo "cpu: ${CPU}% of one core over ${SECS} s"
if [ -f "$1/perf.txt" ]; then
  FRAMES=$(awk -F, '/probe_Hopz/ {print $1; exit}' "$1/perf.txt")
  [ -n "$FRAMES" ] && awk -v f=$FRAMES -v s=$SECS 'BEGIN {printf "frames: %d (%.1f per second)\n", f, f / s}'
fi
INNER
chmod +x "$WORK/run.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$WORK/run.sh" "$WORK" "$SECONDS_TO_RUN"
