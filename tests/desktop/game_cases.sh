# The game on the desktop: launcher, title, world map and level 1-1 with real
# keys; the game's own menu and file dialog, another window taking the focus
# and the click that pauses, each standing the level; a key held into a menu;
# run + jump + Right, which the window manager binds; Escape.
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

# The level's player: the left edge of his face in the picture now.
readonly player_face=F0A888
player_x() {
  local box
  import -window root -depth 8 "$out/now.png" 2>/dev/null || return 1
  box=$(convert "$out/now.png" -crop "640x400+$gcx+$((gcy + picture_top))" +repage -fill black +opaque "#$player_face" \
    -fill white -opaque "#$player_face" -format %@ info: 2>/dev/null)
  [[ $box =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+ ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] || return 1
  echo "${BASH_REMATCH[2]}"
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
  press alt
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

  key Escape
  check "Escape closes the game" wait_until 15 not_running "$game_pid"
  check "game ran without a sanitizer report" clean_log "$out/game.log"

  game_in_a_named_folder_case
}
