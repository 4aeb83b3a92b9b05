# Helpers of the desktop suite: a private X server with a window manager, the
# programs under test, windows, the pointer and keys, screenshots and the tally.
# Sourced by run.sh; every wait polls with a time-out.

passed=0
failed=0
started_pids=()
xvfb_pid=""
wm_pid=""

say() { echo "desktop: $*"; }

pass() { passed=$((passed + 1)); echo "PASS  $1"; }
# A failure keeps a screenshot of the moment it was found.
fail() {
  failed=$((failed + 1))
  echo "FAIL  $1${2:+ ($2)}"
  [ -n "$xvfb_pid" ] && import -window root "$out/failed-$failed.png" 2>/dev/null
}

# check NAME COMMAND...: the case passes when the command succeeds.
check() {
  local name=$1; shift
  if "$@"; then pass "$name"; else fail "$name" "$*"; fi
}

# --- the X server and the window manager ---

# Starts Xvfb on a display the server chooses itself (-displayfd), so two runs
# on one machine never share a server, and openbox on it.
start_desktop() {
  local fifo=$out/xvfb.display n=""
  rm -f "$fifo"; mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # The server writes its display number once it listens.
  read -r -t 20 n <"$fifo"
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    say "Xvfb did not start"; xvfb_pid=""; return 1
  fi
  export DISPLAY=":$n"
  wait_until 10 xprop -root >/dev/null 2>&1 || return 1
  # The system's configuration (click to focus, new windows focused), not the user's.
  local rc=()
  [ -f /etc/xdg/openbox/rc.xml ] && rc=(--config-file /etc/xdg/openbox/rc.xml)
  openbox --sm-disable "${rc[@]}" >"$out/openbox.log" 2>&1 &
  wm_pid=$!
  wait_until 10 wm_running || { say "openbox did not start"; return 1; }
  say "Xvfb and openbox on $DISPLAY"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

stop_desktop() {
  local pid
  for pid in "${started_pids[@]}"; do stop_program "$pid"; done
  [ -n "$wm_pid" ] && { kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
  wm_pid=""; xvfb_pid=""; started_pids=()
}

# --- programs ---

# start_program LOG PROGRAM ARGS...: starts a program of the program folder
# copy, in that folder; its pid is in $program_pid.
start_program() { start_program_in "$run_folder" "$@"; }

# start_program_in FOLDER LOG PROGRAM ARGS...: the same, started in FOLDER, as
# a desktop launcher starts a program in a folder of its own.
start_program_in() {
  local folder=$1 log=$2; shift 2
  (cd "$folder" && exec "$@") >"$log" 2>&1 &
  program_pid=$!
  started_pids+=("$program_pid")
}

# installed_under NAME...: a copy of the program folder at <artefacts>/NAME.../Hopz,
# for programs installed in folders whose names are not plain ASCII; prints its path.
installed_under() {
  local folder=$out/installed part
  for part in "$@"; do folder=$folder/$part; done
  folder=$folder/Hopz
  rm -rf "$out/installed"
  mkdir -p "$(dirname "$folder")" && cp -r "$program_folder" "$folder" && echo "$folder"
}

stop_program() {
  kill -0 "$1" 2>/dev/null || return 0
  kill "$1" 2>/dev/null
  wait_until 10 not_running "$1" || kill -9 "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  return 0
}

not_running() { ! kill -0 "$1" 2>/dev/null; }

# No sanitizer report in a program's output.
clean_log() { ! grep -E -q 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$1"; }

# --- waiting ---

# Milliseconds of the wall clock.
now_ms() { local t=${EPOCHREALTIME//[.,]/}; echo $((t / 1000)); }

# wait_until SECONDS COMMAND...: polls the command every 50 ms.
wait_until() {
  local end=$(($(now_ms) + $1 * 1000)); shift
  while :; do
    "$@" && return 0
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
}

# find_window REGEX [WIDTH-AT-LEAST]: the newest visible window whose name matches.
find_window() {
  local id w
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null | tac); do
    if [ -n "${2:-}" ]; then
      w=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {print $2}')
      [ "${w:-0}" -ge "$2" ] || continue
    fi
    echo "$id"
    return 0
  done
  return 1
}

# wait_output SECONDS COMMAND...: polls the command until it succeeds, and
# prints what it printed then.
wait_output() {
  local end=$(($(now_ms) + $1 * 1000)) found; shift
  while :; do
    found=$("$@") && { echo "$found"; return 0; }
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
}

# wait_window REGEX [SECONDS] [WIDTH-AT-LEAST]: prints the window's id.
wait_window() { wait_output "${2:-15}" find_window "$1" "${3:-}"; }

# A visible window matching REGEX that is not in the list of ids given after it.
new_window() {
  local re=$1 id; shift
  for id in $(xdotool search --onlyvisible --name "$re" 2>/dev/null); do
    [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
  done
  return 1
}

wait_new_window() { wait_output 10 new_window "$@"; }

# A pop-up of the program (a menu, a list; not a hint) shows: its place is
# then in gx gy gw gh.
popup_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
    # The hint window is as tall as one line of text.
    geometry "$id" && [ "$gh" -gt 30 ] && return 0
  done
  return 1
}

no_popup_shown() { ! popup_shown; }

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
not_viewable() { ! viewable "$1"; }
window_gone() { wait_until "${2:-10}" not_viewable "$1"; }

# geometry ID: sets gx gy gw gh to the window's place on the screen.
geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  gx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
  gy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
  gw=$(awk '/Width:/ {print $2}' <<<"$info")
  gh=$(awk '/Height:/ {print $2}' <<<"$info")
}

# The whole window on the screen (1024x768).
inside_desktop() {
  geometry "$1" || return 1
  [ "$gx" -ge 0 ] && [ "$gy" -ge 0 ] && [ $((gx + gw)) -le 1024 ] && [ $((gy + gh)) -le 768 ]
}

# The window manager made the window active and the keyboard goes to it.
is_active() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] || return 1
  local focus
  focus=$(xdotool getwindowfocus -f 2>/dev/null) || return 1
  [ "$focus" = "$1" ] || xwininfo -tree -id "$1" 2>/dev/null | grep -q "$(printf '0x%x' "$focus") "
}

# stacked_above A B: the window manager stacks window A over window B.
stacked_above() {
  local order
  order=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | tr -d ',' | tr ' ' '\n' | grep '^0x') || return 1
  local a b
  a=$(grep -n -x "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)
  b=$(grep -n -x "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}

# title_bar ID: sets tx ty to a point of the window's title bar (the window
# manager's frame above the client area), a third of the way across, away
# from its buttons.
title_bar() {
  local top
  top=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | cut -d, -f3 | tr -d ' ')
  [ "${top:-0}" -gt 4 ] && geometry "$1" || return 1
  tx=$((gx + gw / 3)) ty=$((gy - top / 2))
}

# The window manager keeps the window above the others (its stay-on-top state).
kept_above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_ABOVE'; }
not_kept_above() { xprop -id "$1" _NET_WM_STATE >/dev/null 2>&1 && ! kept_above "$1"; }

window_name() { xdotool getwindowname "$1" 2>/dev/null; }
name_matches() { [[ "$(window_name "$1")" =~ $2 ]]; }

# --- pointer and keys ---

# A click as a hand makes it: press, 150 ms, release.
click() {
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
}

# drag X1 Y1 X2 Y2: pressed, moved in steps, released.
drag() {
  local i steps=12
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  for i in $(seq 1 $steps); do
    xdotool mousemove $(($1 + ($3 - $1) * i / steps)) $(($2 + ($4 - $2) * i / steps))
    sleep 0.03
  done
  sleep 0.1
  xdotool mouseup 1
}

key() { xdotool key --delay 60 "$@"; }

# A key held as a finger holds it, so that a game reading the keys' state on its
# frames sees it down.
press() {
  xdotool keydown "$1"
  sleep "${2:-0.15}"
  xdotool keyup "$1"
}

# --- screenshots ---

# shot NAME: the whole screen, kept under the artefact folder.
shot() { import -window root "$out/$1.png"; }

# region_hash X Y W H: a fingerprint of a part of the screen now.
region_hash() { import -window root -crop "$3x$4+$1+$2" +repage ppm:- 2>/dev/null | md5sum | cut -d' ' -f1; }

region_changes_from() { [ "$(region_hash "$2" "$3" "$4" "$5")" != "$1" ]; }
region_equals() { [ "$(region_hash "$2" "$3" "$4" "$5")" = "$1" ]; }

# region_stands SECONDS X Y W H: that part of the screen does not change for so long.
region_stands() {
  local first end=$(($(now_ms) + $1 * 1000))
  first=$(region_hash "$2" "$3" "$4" "$5")
  while [ "$(now_ms)" -lt "$end" ]; do
    [ "$(region_hash "$2" "$3" "$4" "$5")" = "$first" ] || return 1
    sleep 0.1
  done
}

# pixel FILE X Y: the colour as RRGGBB.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6; }
pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }
pixel_is_not() { [ "$(pixel "$1" "$2" "$3")" != "$4" ]; }

# screen_pixel_is X Y RRGGBB: on the screen now.
screen_pixel_is() {
  [ "$(import -window root -crop "1x1+$1+$2" +repage -depth 8 ppm:- 2>/dev/null | pixel ppm:- 0 0)" = "$3" ]
}

# not_black FILE X Y W H: that part holds more than black (more than a few colours, some light).
not_black() {
  local stats
  stats=$(convert "$1" -crop "$4x$5+$2+$3" +repage -format '%k %[fx:int(mean*1000)]' info: 2>/dev/null) || return 1
  [ "${stats% *}" -ge 3 ] && [ "${stats#* }" -ge 50 ]
}

# share_of FILE X Y W H RRGGBB: permille of that part painted in the colour.
share_of() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -fill black +opaque "#$6" -fill white -opaque "#$6" \
    -format '%[fx:int(mean*1000)]' info: 2>/dev/null
}
# holds_colour FILE X Y W H RRGGBB PERMILLE: at least that share of the part has the colour.
holds_colour() { [ "$(share_of "$1" "$2" "$3" "$4" "$5" "$6")" -ge "$7" ]; }
