# The game on the desktop: launcher, title, world map and level 1-1 with real
# keys; the game's own menu and file dialog, another window taking the focus
# and the click that pauses, each standing the level; a key held into a menu;
# run + jump + Right, which the window manager binds; a drag of the title bar
# while the level plays; Escape. Then the game in full screen, with another
# window taking the focus.
# Places are relative to the game window's client area (gcx, gcy); the picture
# starts under the menu bar, at (gcx, gcy + picture_top).

readonly title_curtain=621321 map_grass=78C860 level_sky=6EAAFF status_blue=3A5296

# The launcher's logo is drawn (its place is in gx gy gw).
launcher_drawn() {
  import -window root -depth 8 "$out/now.png" 2>/dev/null
  not_black "$out/now.png" "$gx" "$gy" "$gw" 120
}

picture() { echo "$gcx" $((gcy + picture_top)) 640 480; }
# The level clock's three digits in the status bar.
clock_region() { echo $((gcx + 284)) $((gcy + picture_top + 446)) 48 16; }
screen_share() {
  import -window root -depth 8 "$out/now.png" 2>/dev/null
  holds_colour "$out/now.png" "$@"
}
# Upper half of the picture (above the status bar) mostly in one colour.
picture_mostly() { screen_share "$gcx" $((gcy + picture_top)) 640 240 "$1" 400; }
game_active() { is_active "$game"; }

# Presses Return until the world map is there: the first may end the title's
# opening, the next starts the game from its menu.
start_from_title() {
  local tries
  for tries in 1 2 3 4; do
    key Return
    wait_until 3 picture_mostly $map_grass && return 0
    shot game-title-$tries
  done
  return 1
}

# The player on the map: the start node, the first level's node.
readonly player_skin=FCC496
player_at() { screen_share $((gcx + $1)) $((gcy + picture_top + $2)) 28 28 $player_skin 50; }

# Walks right to the first level's node (the map ignores the keys while it
# shows its card and the player) and enters it with the jump key.
enter_level() {
  local tries
  wait_until 10 player_at 66 65 || return 1
  for tries in 1 2 3; do
    press Right
    wait_until 4 player_at 162 65 && break
  done
  for tries in 1 2 3 4 5 6; do
    press alt
    wait_until 1 picture_mostly $level_sky && return 0
  done
  return 1
}

# The clock stands while the window is away for three seconds: sampled while
# the other window is active, so that the way back does not count.
clock_stood_while_away() {
  local away message stood
  xmessage -geometry +700+600 "Otra ventana" >/dev/null 2>&1 &
  away=$!
  started_pids+=("$away")
  message=$(wait_window '^xmessage$' 5) && wait_until 5 is_active "$message" || return 1
  clock_stands_for 3
  stood=$?
  shot game-away
  stop_program "$away"
  xdotool windowactivate --sync "$game" >/dev/null 2>&1
  wait_until 5 game_active && return $stood
}

# Another program's window that takes the focus: xev, which writes down every
# key it gets into the log given, at the screen's lower right, out of the
# game's picture. Its window is in $other, its pid in $other_pid.
open_key_log() {
  xev -geometry 240x160+760+580 -name "Otra ventana" -event keyboard >"$1" 2>&1 &
  other_pid=$!
  started_pids+=("$other_pid")
  other=$(wait_window '^Otra ventana$' 5) && wait_until 5 is_active "$other"
}
# The key log's window got the key (an X keysym name such as Right).
key_logged() { grep -q "keysym 0x[0-9a-f]*, $2)" "$1"; }

# A menu open when another program's window takes the focus: the level
# stands, the keyboard is free (the keys typed reach that window, not the
# player), and a click on the game's title bar takes the level on again.
away_from_an_open_menu() {
  local log=$out/keys-away-from-menu.log before after stood=1 moved=1 ok=0
  open_file_menu || { say "the Archivo menu did not open"; return 1; }
  if ! open_key_log "$log"; then
    say "the other window did not take the focus"
    close_menu
    stop_program "$other_pid"
    return 1
  fi
  shot game-away-from-menu
  clock_stands_for 3 && stood=0
  before=$(player_x)
  press Right 1
  sleep 0.3
  after=$(player_x)
  [ -n "$before" ] && [ "$before" = "$after" ] && moved=0
  say "clock stood: $((1 - stood)); player at ${before:-none}, after Right at ${after:-none}"
  is_active "$other" || { say "the other window lost the focus"; ok=1; }
  key_logged "$log" Right || { say "the other window got no key"; ok=1; }
  title_bar "$game" && click "$tx" "$ty"
  wait_until 5 game_active || { say "the click did not bring the game back"; ok=1; }
  clock_runs || { say "the level did not go on"; ok=1; }
  stop_program "$other_pid"
  [ "$stood" = 0 ] && [ "$moved" = 0 ] && [ "$ok" = 0 ]
}

# A drag of the title bar while the level plays moves the window. The level
# stands while the frame is held (the window manager has the keys: Right, held
# into the drag and let go in it, is not held after it) and goes on after it.
# The picture's place follows the window.
title_bar_drag_moves_the_playing_window() {
  local x0 y0 i stood=1 before after
  clock_runs && game_active || { say "the level does not play"; return 1; }
  title_bar "$game" || return 1
  x0=$gx y0=$gy
  xdotool keydown Right
  xdotool mousemove "$tx" "$ty"
  sleep 0.1
  xdotool mousedown 1
  for i in $(seq 1 10); do
    xdotool mousemove $((tx + 10 * i)) $((ty + 6 * i))
    sleep 0.03
  done
  xdotool keyup Right
  geometry "$game"
  gcx=$gx gcy=$gy
  clock_stands_for 1 && stood=0
  xdotool mouseup 1
  sleep 0.3
  geometry "$game"
  gcx=$gx gcy=$gy
  say "window at $x0,$y0, after the drag at $gx,$gy; the clock stood while held: $((1 - stood))"
  [ $((gx - x0)) -ge 90 ] && [ $((gx - x0)) -le 110 ] && [ $((gy - y0)) -ge 50 ] && [ $((gy - y0)) -le 70 ] || return 1
  before=$(player_x) && sleep 1 && after=$(player_x) || return 1
  say "player at $before, a second later at $after"
  [ "$stood" = 0 ] && [ "$before" = "$after" ] && wait_until 5 game_active && clock_runs
}

# The level clock does not change for so many seconds, sampled from now on
# (a frame under way ends first).
clock_stands_for() {
  sleep 0.3
  region_stands "$1" $(clock_region)
}
clock_runs() { wait_until "${1:-3}" region_changes_from "$(region_hash $(clock_region))" $(clock_region); }

# The menu bar's first menu, "Archivo", opened with a click.
readonly file_menu_x=32
open_file_menu() {
  no_popup_shown || return 1
  click $((gcx + file_menu_x)) $((gcy + picture_top / 2))
  wait_until 3 popup_shown
}
# Escape closes the open menu (only while one is open: otherwise it closes the game).
close_menu() { popup_shown && key Escape && wait_until 3 no_popup_shown; }

# A window of the game other than its main window and its pop-ups: a dialog.
game_dialog() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
    [ "$id" = "$game" ] && continue
    xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && continue
    geometry "$id" && [ "$gw" -gt 100 ] && { echo "$id"; return 0; }
  done
  return 1
}

# The level's player: the left and the top edge of his face in the picture now.
readonly player_face=F0A888
player_face_at() {
  local box
  import -window root -depth 8 "$out/now.png" 2>/dev/null || return 1
  box=$(convert "$out/now.png" -crop "640x400+$gcx+$((gcy + picture_top))" +repage -fill black +opaque "#$player_face" \
    -fill white -opaque "#$player_face" -format %@ info: 2>/dev/null)
  [[ $box =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] || return 1
  echo "${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
}
player_x() { local at; at=$(player_face_at) && echo "${at% *}"; }
player_y() { local at; at=$(player_face_at) && echo "${at#* }"; }
player_above() { local y; y=$(player_y) && [ "$y" -lt "$1" ]; }

# Alt held in the level: the player jumps (his face rises), so the game had the key.
alt_makes_the_player_jump() {
  local before ok=1
  before=$(player_y) || return 1
  xdotool keydown alt
  wait_until 1 player_above $((before - 8)) && ok=0
  shot game-jump
  xdotool keyup alt
  say "player's face at y $before before Alt; risen: $([ $ok = 0 ] && echo yes || echo no)"
  return $ok
}
player_near() { local x; x=$(player_x) && [ "$x" -ge $(($1 - 4)) ] && [ "$x" -le $(($1 + 4)) ]; }

# The secret code that stops every walker, so that the cases in the level run
# with nobody coming to hurt the player.
freeze_walkers() {
  key BackSpace
  xdotool type --delay 80 drifting
  key BackSpace
}

# F2 builds the level again: the player at its start.
readonly player_start_x=70
in_level_at_start() { picture_mostly $level_sky && player_near $player_start_x; }
restart_level() {
  key F2
  wait_until 10 in_level_at_start
}

# "Abrir juego..." held open: the clock stands under the dialog; Escape closes it.
clock_stood_under_the_open_dialog() {
  local dialog stood
  open_file_menu || return 1
  geometry "$(popup_id)" || return 1
  click $((gx + 30)) $((gy + 12))
  dialog=$(wait_output 10 game_dialog) && wait_until 5 is_active "$dialog" || return 1
  # Away from the status bar, whose clock is read.
  xdotool windowmove "$dialog" 660 40 >/dev/null 2>&1
  sleep 0.3
  shot game-open-dialog
  clock_stands_for 3
  stood=$?
  is_active "$dialog" && key Escape
  window_gone "$dialog" 5 || return 1
  wait_until 5 game_active && return $stood
}

# The game's open pop-up menu.
popup_id() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
    geometry "$id" && [ "$gh" -gt 30 ] && { echo "$id"; return 0; }
  done
  return 1
}

# Right held, a menu opened, Right let go over the menu, the menu closed: the
# player stands, no key held.
key_let_go_over_a_menu_is_not_held() {
  local before after
  xdotool keydown Right
  sleep 0.2
  if ! open_file_menu; then xdotool keyup Right; return 1; fi
  xdotool keyup Right
  sleep 0.5
  close_menu || return 1
  sleep 0.3
  before=$(player_x) || return 1
  sleep 1
  after=$(player_x) || return 1
  shot game-after-menu
  say "player at $before, a second later at $after"
  [ "$before" = "$after" ]
}

# Ctrl (run), Alt (jump) and Right held together: the game keeps the keyboard
# and the desktop, and the player runs on.
current_desktop() { xprop -root _NET_CURRENT_DESKTOP 2>/dev/null | awk '{print $3}'; }
run_jump_right_stays_in_the_game() {
  local desk before after ok=0
  desk=$(current_desktop)
  before=$(player_x) || return 1
  xdotool keydown ctrl alt Right
  sleep 0.4
  after=$(player_x)
  is_active "$game" || ok=1
  [ "$(current_desktop)" = "$desk" ] || ok=1
  xdotool keyup Right alt ctrl
  shot game-run-jump
  say "player at $before, after the run and jump at ${after:-none}; desktop $desk, now $(current_desktop)"
  # On a failure the game comes back, for the cases after this one.
  [ "$(current_desktop)" = "$desk" ] || xdotool set_desktop "$desk"
  is_active "$game" || { xdotool windowactivate --sync "$game" >/dev/null 2>&1; wait_until 5 game_active; }
  [ "$ok" = 0 ] && [ -n "$after" ] && [ "$after" -gt $((before + 8)) ]
}

# Paused, Alt+Tab reaches the window manager again: another window takes the focus.
alt_tab_leaves_the_paused_game() {
  local away message ok=1
  xmessage -geometry +700+600 "Otra ventana" >/dev/null 2>&1 &
  away=$!
  started_pids+=("$away")
  message=$(wait_window '^xmessage$' 5) || return 1
  xdotool windowactivate --sync "$game" >/dev/null 2>&1
  wait_until 5 game_active || return 1
  click "$centre_x" "$centre_y"   # pauses
  sleep 0.3
  key alt+Tab
  wait_until 3 is_active "$message" && ok=0
  stop_program "$away"
  xdotool windowactivate --sync "$game" >/dev/null 2>&1
  wait_until 5 game_active
  click "$centre_x" "$centre_y"   # resumes
  return $ok
}

# Full screen ([DirectDraw] WindowMode=0): another program's window that takes
# the focus is seen over the game, which no longer stays above the others; a
# click on the game brings it back over the whole screen.
full_screen_cases() {
  say "game in full screen"
  local ini=$run_folder/Hopz.ini windowed=$out/Hopz.ini.windowed launcher screen log=$out/keys-full-screen.log
  # A windowed game left by a failure above would be taken for this one.
  [ -n "${game_pid:-}" ] && stop_program "$game_pid"
  cp "$ini" "$windowed"
  sed -i 's/^WindowMode=1\r$/WindowMode=0\r/' "$ini"
  if ! grep -q $'^WindowMode=0\r$' "$ini"; then
    fail "full screen is chosen in Hopz.ini"
    return
  fi
  start_program "$out/game-full-screen.log" ./Hopz
  game_pid=$program_pid
  if launcher=$(wait_window '^Tobbo Quest' 30) && wait_until 5 is_active "$launcher" && key Return &&
    screen=$(wait_window '^Tobbo Quest' 20 1000) && wait_until 5 is_active "$screen"; then
    pass "Return on the launcher starts the game in full screen"
    wait_until 5 screen_share 0 0 1024 768 $title_curtain 100
    shot game-full-screen
    check "the full-screen game stays above the others while it has the focus" kept_above "$screen"
    if open_key_log "$log"; then
      sleep 0.5
      shot game-full-screen-away
      check "another window taking the focus is stacked over the full-screen game" stacked_above "$other" "$screen"
      check "the full-screen game no longer stays above the others" not_kept_above "$screen"
      # xev's window is white.
      check "another window taking the focus is seen over the full-screen game" \
        pixel_is "$out/game-full-screen-away.png" 980 720 FFFFFF
      press Right
      check "the keys typed reach the other window" wait_until 2 key_logged "$log" Right
      click 200 200
      check "a click on the full-screen game brings it back" wait_until 5 is_active "$screen"
      check "the full-screen game comes back over the other window" stacked_above "$screen" "$other"
      check "the full-screen game stays above the others again" kept_above "$screen"
      stop_program "$other_pid"
    else
      fail "another window takes the focus from the full-screen game"
    fi
    key Escape
    check "Escape closes the full-screen game" wait_until 15 not_running "$game_pid"
  else
    fail "Return on the launcher starts the game in full screen"
  fi
  stop_program "$game_pid"
  cp "$windowed" "$ini"
  check "full-screen game ran without a sanitizer report" clean_log "$out/game-full-screen.log"
}

# Installed under "Año José" and started from the folder above, as a desktop
# launcher starts it: "Abrir juego..." opens in the game's folder, so the game
# file typed by its name opens, and the world map of that game shows.
game_in_a_named_folder_case() {
  local folder launcher dialog
  folder=$(installed_under "Año José") || { fail "the game is installed under Año José"; return; }
  start_program_in "$out/installed" "$out/game-named-folder.log" "./Año José/Hopz/Hopz"
  game_pid=$program_pid
  if ! launcher=$(wait_window '^Tobbo Quest' 30); then
    fail "the game under Año José starts"
    stop_program "$game_pid"
    return
  fi
  wait_until 5 is_active "$launcher"
  key Return
  if ! game=$(wait_window '^Tobbo Quest' 20 600); then
    fail "the game under Año José opens its window"
    stop_program "$game_pid"
    return
  fi
  wait_until 5 game_active
  geometry "$game"
  gcx=$gx gcy=$gy picture_top=$((gh - 480))
  wait_until 10 screen_share $(picture) $title_curtain 100
  if open_file_menu && geometry "$(popup_id)"; then
    click $((gx + 30)) $((gy + 12))
  fi
  if ! dialog=$(wait_output 10 game_dialog); then
    fail "Abrir juego... opens its dialog under Año José"
    stop_program "$game_pid"
    return
  fi
  wait_until 5 is_active "$dialog"
  xdotool type --delay 60 "hopz.tqg"
  shot game-named-folder-dialog
  key Return
  # A name the dialog cannot find keeps it open, with a box that says so.
  check "Abrir juego... under Año José opens hopz.tqg by its name" window_gone "$dialog" 5
  if ! window_gone "$dialog" 1; then
    key Escape; sleep 0.3; key Escape
  fi
  wait_until 5 game_active
  check "the chosen game starts from the title" start_from_title
  shot game-named-folder-map
  key Escape
  check "the game under Año José closes on Escape" wait_until 15 not_running "$game_pid"
  check "the game under Año José ran without a sanitizer report" clean_log "$out/game-named-folder.log"
  stop_program "$game_pid"
}

game_cases() {
  windowed_game_cases
  full_screen_cases
}

windowed_game_cases() {
  say "game"
  start_program "$out/game.log" ./Hopz
  game_pid=$program_pid
  local launcher
  if ! launcher=$(wait_window '^Tobbo Quest' 30); then
    fail "launcher appears"
    return
  fi
  pass "launcher appears"
  wait_until 5 is_active "$launcher"
  geometry "$launcher"
  wait_until 5 launcher_drawn
  shot game-launcher
  check "launcher appears inside the desktop" inside_desktop "$launcher"
  check "launcher shows its logo" not_black "$out/game-launcher.png" "$gx" "$gy" "$gw" 120
  check "launcher takes the keyboard" is_active "$launcher"

  # Its start button has the keyboard.
  key Return
  if ! game=$(wait_window '^Tobbo Quest' 20 600); then
    fail "Return on the launcher starts the game"
    return
  fi
  pass "Return on the launcher starts the game"
  check "launcher closes" window_gone "$launcher" 10
  wait_until 5 game_active
  geometry "$game"
  gcx=$gx gcy=$gy picture_top=$((gh - 480))
  wait_until 5 screen_share $(picture) $title_curtain 100
  shot game-title
  check "game window appears inside the desktop" inside_desktop "$game"
  check "game window takes the keyboard" is_active "$game"
  check "title screen is drawn" not_black "$out/game-title.png" $(picture)
  check "title screen opens on its curtain" holds_colour "$out/game-title.png" $(picture) $title_curtain 100

  if start_from_title; then
    pass "Return on the title opens the world map"
  else
    shot game-no-map
    fail "Return on the title opens the world map"
    return
  fi
  # The world's card goes; the player walks to the first level.
  wait_until 10 screen_pixel_is $((gcx + 239)) $((gcy + picture_top + 161)) $map_grass
  shot game-map
  check "world map shows its status bar" pixel_is "$out/game-map.png" $((gcx + 19)) $((gcy + picture_top + 431)) $status_blue
  local menu_bar
  menu_bar=$(region_hash "$gcx" "$gcy" 300 "$picture_top")
  if enter_level; then
    pass "Right and the jump key (Alt) on the map enter level 1-1"
  else
    shot game-no-level
    fail "Right and the jump key (Alt) on the map enter level 1-1"
    return
  fi
  wait_until 5 player_near $player_start_x
  shot game-level
  check "level shows its status bar" pixel_is "$out/game-level.png" $((gcx + 19)) $((gcy + picture_top + 431)) $status_blue
  check "Alt reaches the game: the player jumps" alt_makes_the_player_jump
  wait_until 2 no_popup_shown
  check "Alt reaches the game, not the menu bar" region_equals "$menu_bar" "$gcx" "$gcy" 300 "$picture_top"
  check "level keeps the keyboard after Alt" is_active "$game"

  # The game's own menu and dialog take the keys: the level stands under them.
  freeze_walkers
  if open_file_menu; then
    shot game-menu-open
    check "level clock stands while the Archivo menu is open" clock_stands_for 3
    check "Escape closes the menu" close_menu
    check "level goes on when the menu closes" clock_runs
  else
    fail "a click on Archivo opens its menu"
  fi
  check "level clock stands while the Abrir juego dialog is open" clock_stood_under_the_open_dialog
  check "level goes on when the dialog is gone" clock_runs

  check "level clock stands while another window has the focus" clock_stood_while_away
  check "level goes on when the focus comes back" clock_runs
  check "another window taking the focus from an open menu stands the level and gets the keys" away_from_an_open_menu

  # A click on the window pauses; the next resumes.
  centre_x=$((gcx + 320)) centre_y=$((gcy + picture_top + 200))
  click "$centre_x" "$centre_y"
  check "a click on the window pauses the level (its clock stands)" clock_stands_for 3
  shot game-paused
  click "$centre_x" "$centre_y"
  check "the next click resumes it (its clock runs)" clock_runs
  check "Alt+Tab leaves the paused game for another window" alt_tab_leaves_the_paused_game

  check "a key let go over the menu is not held after it" key_let_go_over_a_menu_is_not_held
  check "F2 restarts the level" restart_level
  freeze_walkers
  check "run + jump + Right keep the game active and the player running" run_jump_right_stays_in_the_game
  check "the level keeps the keyboard after the run and jump" is_active "$game"
  check "a drag of the title bar moves the window while the level plays" title_bar_drag_moves_the_playing_window

  key Escape
  check "Escape closes the game" wait_until 15 not_running "$game_pid"
  check "game ran without a sanitizer report" clean_log "$out/game.log"

  game_in_a_named_folder_case
}
