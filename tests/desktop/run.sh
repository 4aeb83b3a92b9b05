#!/usr/bin/env bash
# The desktop suite: the staged editor and game on a private X server (Xvfb)
# with a click-to-focus window manager (openbox), driven by real pointer and key
# events (xdotool). Screenshots of every screen stay in BUILD/desktop/.
#
#   bash tests/desktop/run.sh [BUILD]      (BUILD defaults to build-test)
#   DESKTOP_CASES=game bash tests/desktop/run.sh      (only the game's cases, or only "editor")
#   DESKTOP_PROGRAM_FOLDER=DIR ...                    (the programs of another folder)
#
# Prints "N passed, N failed" as its last line and exits non-zero on a failure.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build-test}" && pwd) || exit 2
# The program folder under test; another one (an older build) may be named.
program_folder=${DESKTOP_PROGRAM_FOLDER:-$build/Hopz}
out=$build/desktop
[ -x "$program_folder/Hopz" ] && [ -x "$program_folder/Hopzedit" ] || {
  echo "desktop: no staged programs in $program_folder"
  echo "0 passed, 1 failed"
  exit 1
}
for tool in Xvfb openbox xdotool xwininfo xprop xmessage xev import convert; do
  command -v "$tool" >/dev/null || { echo "desktop: $tool is missing (bash scripts/setup)"; echo "0 passed, 1 failed"; exit 1; }
done

# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=editor_cases.sh
source "$here/editor_cases.sh"
# shellcheck source=game_cases.sh
source "$here/game_cases.sh"

# The programs write their settings into their folder: they run in a copy,
# beside the artefacts.
run_folder=$build/desktop-programs
rm -rf "$out" "$run_folder"
mkdir -p "$out"
cp -r "$program_folder" "$run_folder"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

trap stop_desktop EXIT
trap 'exit 130' INT TERM
started=$SECONDS
if start_desktop; then
  for cases in ${DESKTOP_CASES:-editor game}; do "${cases}_cases"; done
else
  fail "desktop starts" "Xvfb or openbox did not start"
fi
stop_desktop
rm -f "$out/now.png"
say "took $((SECONDS - started)) s; screenshots and logs in $out"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
