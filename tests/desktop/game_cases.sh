# The game on the desktop: launcher, title, world map and level 1-1 with real
# keys; the click that pauses; another window taking the focus; Escape.
# Places are relative to the game window's client area (gcx, gcy); the picture
# starts under the menu bar, at (gcx, gcy + picture_top).

readonly title_curtain=621321 map_grass=78C860 level_sky=6EAAFF status_blue=3A5296

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

# The clock stands while the window is away for three seconds.
clock_stood_while_away() {
  local tick away
  tick=$(region_hash $(clock_region))
  # Just after a tick: the next one is a second away.
  wait_until 3 region_changes_from "$tick" $(clock_region) || return 1
  tick=$(region_hash $(clock_region))
  xmessage -geometry +700+600 "Otra ventana" >/dev/null 2>&1 &
  away=$!
  started_pids+=("$away")
  local message
  message=$(wait_window '^xmessage$' 5) && wait_until 5 is_active "$message"
  sleep 3
  stop_program "$away"
  xdotool windowactivate --sync "$game" >/dev/null 2>&1
  wait_until 5 game_active
  sleep 0.3
  shot game-back-from-away
  region_equals "$tick" $(clock_region)
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
  sleep 0.5
  geometry "$launcher"
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
  sleep 1
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
  sleep 0.5
  shot game-level
  check "level shows its status bar" pixel_is "$out/game-level.png" $((gcx + 19)) $((gcy + picture_top + 431)) $status_blue
  press alt
  sleep 0.3
  check "Alt reaches the game, not the menu bar" region_equals "$menu_bar" "$gcx" "$gcy" 300 "$picture_top"
  check "level keeps the keyboard after Alt" is_active "$game"

  check "level clock stands while another window has the focus" clock_stood_while_away
  check "level goes on when the focus comes back" wait_until 3 region_changes_from "$(region_hash $(clock_region))" $(clock_region)

  # A click on the window pauses; the next resumes.
  local centre_x=$((gcx + 320)) centre_y=$((gcy + picture_top + 200))
  click "$centre_x" "$centre_y"
  sleep 0.3
  shot game-paused
  check "a click on the window pauses the level (its clock stands)" region_stands 3 $(clock_region)
  click "$centre_x" "$centre_y"
  check "the next click resumes it (its clock runs)" wait_until 3 region_changes_from "$(region_hash $(clock_region))" $(clock_region)

  key Escape
  check "Escape closes the game" wait_until 15 not_running "$game_pid"
  check "game ran without a sanitizer report" clean_log "$out/game.log"
}
