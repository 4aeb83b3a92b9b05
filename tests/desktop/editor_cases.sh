# The editor on the desktop: its bars and palette floated and clicked, a bar
# docked again, and the dialogs of its menus. Places are relative to the main
# window's client area (cx, cy), as the editor lays it out at its designed size.

# Offsets of a floating bar's buttons from the bar's corner (the first row of
# buttons; each button is 23 pixels wide).
readonly std_nuevo=15 std_grilla=261 add_props=117 add_colour=255 add_zoom=320 bar_row=32
readonly sky=00FFFF mdi_grey=9F9F9F

editor_main_active() { is_active "$editor"; }

# A document's sky around a rectangle of the level that no floating bar covers.
grid_region() { echo $((cx + 160)) $((cy + 90)) 400 140; }

# open_dialog NAME REGEX KEYS...: the keys open a dialog that appears on the
# screen, inside the desktop, active; Escape closes it.
open_dialog() {
  local name=$1 re=$2 dialog; shift 2
  xdotool windowactivate --sync "$editor" >/dev/null 2>&1
  key "$@"
  if ! dialog=$(wait_window "$re" 10); then
    fail "$name appears"
    return
  fi
  wait_until 5 is_active "$dialog"
  shot "editor-$(tr ' ' '-' <<<"${name,,}")"
  check "$name appears inside the desktop" inside_desktop "$dialog"
  check "$name takes the keyboard" is_active "$dialog"
  key Escape
  check "$name closes on Escape" window_gone "$dialog" 5
  check "$name gives the keyboard back to the main window" wait_until 5 editor_main_active
}

editor_cases() {
  say "editor"
  start_program "$out/editor.log" ./Hopzedit
  editor_pid=$program_pid
  if ! editor=$(wait_window '^Editor de Tobbo Quest$' 30); then
    fail "editor starts" "no main window"
    return
  fi
  wait_until 5 is_active "$editor"
  geometry "$editor"
  cx=$gx cy=$gy
  shot_when 5 editor-start pixel_is "$out/editor-start.png" $((cx + 400)) $((cy + 300)) $mdi_grey
  check "editor starts inside the desktop" inside_desktop "$editor"
  check "editor start screen is drawn" not_black "$out/editor-start.png" "$cx" "$cy" 800 600
  check "editor document area is empty grey" pixel_is "$out/editor-start.png" $((cx + 400)) $((cy + 300)) $mdi_grey

  # The standard bar floated from its grip over the document area.
  drag $((cx + 6)) $((cy + 31)) $((cx + 300)) $((cy + 260))
  if ! std=$(wait_new_window '^Estándar$'); then
    fail "standard bar floats"
    return
  fi
  pass "standard bar floats"
  geometry "$std"
  local sx=$gx sy=$gy
  check "floating standard bar leaves the keyboard with the main window" is_active "$editor"

  click $((sx + std_nuevo)) $((sy + bar_row))
  local dialog
  if dialog=$(wait_window '^Nuevo nivel$' 10); then
    pass "Nuevo on the floating bar asks for a new level"
    wait_until 5 is_active "$dialog"
    shot editor-new-level
    check "new level dialog appears inside the desktop" inside_desktop "$dialog"
    check "new level dialog takes the keyboard" is_active "$dialog"
    key Return
    check "Nuevo on the floating bar makes a document" wait_until 10 name_matches "$editor" '\[Nuevo 1\]'
    # The button's drop-down follows its click.
    check "Nuevo's drop-down opens" wait_until 5 popup_shown
    shot editor-new-dropdown
    key Escape
    check "Escape closes the drop-down" wait_until 5 no_popup_shown
  else
    fail "Nuevo on the floating bar asks for a new level"
    return
  fi
  wait_until 5 editor_main_active
  shot_when 5 editor-document holds_colour "$out/editor-document.png" $(grid_region) $sky 900
  check "new document shows the level's sky" holds_colour "$out/editor-document.png" $(grid_region) $sky 900

  # The palette floated from its grip, beside the level.
  drag $((cx + 60)) $((cy + 57)) $((cx + 680)) $((cy + 320))
  local palette
  if palette=$(wait_new_window '^Objetos$'); then
    pass "palette floats"
    geometry "$palette"
    local px=$gx py=$gy
    shot_when 5 editor-palette not_black "$out/editor-palette.png" "$px" "$py" "$gw" "$gh"
    check "floating palette is drawn" not_black "$out/editor-palette.png" "$px" "$py" "$gw" "$gh"
    local status cell_x=$((cx + 110)) cell_y=$((cy + 110))
    status=$(region_hash $((cx + 160)) $((cy + 582)) 190 16)
    check "grid cell is empty before placing" screen_pixel_is "$cell_x" "$cell_y" $sky
    click $((px + 17)) $((py + 69))
    sleep 0.3
    click "$cell_x" "$cell_y"
    wait_until 3 region_changes_from "$status" $((cx + 160)) $((cy + 582)) 190 16
    shot editor-placed
    check "palette button arms its kind and a click on the grid places it" \
      pixel_is_not "$out/editor-placed.png" "$cell_x" "$cell_y" $sky
    check "status bar counts the placed object" region_changes_from "$status" $((cx + 160)) $((cy + 582)) 190 16
  else
    fail "palette floats"
  fi

  # Grilla on the floating bar: every click clicks; one shows the grid, the next hides it.
  local before round
  before=$(region_hash $(grid_region))
  for round in 1 2; do
    click $((sx + std_grilla)) $((sy + bar_row))
    check "Grilla on the floating bar shows the grid ($round)" wait_until 3 region_changes_from "$before" $(grid_region)
    shot editor-grid
    click $((sx + std_grilla)) $((sy + bar_row))
    check "Grilla on the floating bar hides the grid again ($round)" wait_until 3 region_equals "$before" $(grid_region)
  done
  check "the main window keeps the keyboard through clicks on the floating bar" is_active "$editor"

  # A click on the main window leaves the floating bar over it; another program
  # taking the focus hides the floating bars until the editor has it again.
  click $((cx + 600)) $((cy + 590))
  check "floating bar stays over the main window clicked" wait_until 3 stacked_above "$std" "$editor"
  xmessage -geometry +700+650 "Otra ventana" >/dev/null 2>&1 &
  local other=$!
  started_pids+=("$other")
  check "floating bar hides while another program is active" window_gone "$std" 5
  shot editor-other-program
  stop_program "$other"
  xdotool windowactivate --sync "$editor" >/dev/null 2>&1
  check "floating bar shows again with the editor active" wait_until 5 viewable "$std"

  # Dragged by its caption onto the top dock, beside the other bar.
  geometry "$std"
  drag $((gx + 40)) $((gy + 8)) $((cx + 520)) $((cy + 33))
  check "standard bar docks again when dragged onto its dock" window_gone "$std" 5
  sleep 0.3
  shot editor-docked-again

  # The additional bar floated: its buttons open their dialogs.
  drag $((cx + 6)) $((cy + 31)) $((cx + 100)) $((cy + 420))
  local add
  if add=$(wait_new_window '^Estándar$' "$std"); then
    pass "additional bar floats"
    geometry "$add"
    local ax=$gx ay=$gy
    for button in "Propiedades del nivel:$add_props:^Propiedades" "Color de fondo:$add_colour:^Elegir color$"; do
      IFS=: read -r label offset re <<<"$button"
      click $((ax + offset)) $((ay + bar_row))
      if dialog=$(wait_window "$re" 10); then
        pass "$label on the floating bar opens its dialog"
        wait_until 5 is_active "$dialog"
        check "$label dialog appears inside the desktop" inside_desktop "$dialog"
        check "$label dialog takes the keyboard" is_active "$dialog"
        key Escape
        check "$label dialog closes on Escape" window_gone "$dialog" 5
      else
        fail "$label on the floating bar opens its dialog"
      fi
    done
    wait_until 5 editor_main_active

    # The zoom box's list opens at its box with its current item readable; so
    # it does again after the floating bar was moved.
    zoom_list_case "zoom list" "$ax" "$ay"
    geometry "$add"
    drag $((gx + 40)) $((gy + 8)) $((gx + 140)) $((gy - 92))
    if wait_until 3 moved_from "$add" "$gx" "$gy"; then
      geometry "$add"
      zoom_list_case "zoom list after the bar moved" "$gx" "$gy"
    else
      fail "zoom list after the bar moved" "the bar did not move"
    fi
    # Another program takes the focus: the bar hides, and shows again with the editor.
    xmessage -geometry +700+650 "Otra ventana" >/dev/null 2>&1 &
    local other=$!
    started_pids+=("$other")
    local hid=1
    window_gone "$add" 5 && hid=0
    stop_program "$other"
    xdotool windowactivate --sync "$editor" >/dev/null 2>&1
    if [ "$hid" != 0 ]; then
      fail "zoom list after the bar hid and showed again" "the bar did not hide"
    elif ! wait_until 5 viewable "$add"; then
      fail "zoom list after the bar hid and showed again" "the bar did not show again"
    else
      geometry "$add"
      zoom_list_case "zoom list after the bar hid and showed again" "$gx" "$gy"
    fi
  else
    fail "additional bar floats"
  fi

  # The dialogs of the menus.
  open_dialog "Level properties" '^Propiedades' alt+a p
  open_dialog "Find" '^Buscar$' alt+e b
  open_dialog "Replace" '^Reemplazar$' alt+e r
  open_dialog "Fill" '^Llenar con' alt+e l
  open_dialog "About box" '^Acerca' alt+u a

  editor_text_shortcuts_case

  check "editor ran without a sanitizer report" clean_log "$out/editor.log"
  stop_program "$editor_pid"

  two_editors_case
  save_beside_a_name_in_other_case
  editor_in_a_cyrillic_folder_case
}

# Installed in a folder named in Cyrillic letters, which Windows-1252 text
# cannot hold: the open dialog starts in the program folder, and the level typed
# by its name there opens in a document window.
editor_in_a_cyrillic_folder_case() {
  local folder main dialog
  folder=$(installed_under "Дом") || { fail "the editor is installed under Дом"; return; }
  start_program_in "$out/installed" "$out/editor-cyrillic.log" "./Дом/Hopz/Hopzedit"
  local pid=$program_pid
  if ! main=$(wait_output 30 editor_window_of "$pid"); then
    fail "the editor under Дом starts"
    stop_program "$pid"
    return
  fi
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  wait_until 5 is_active "$main"
  key ctrl+a
  if ! dialog=$(wait_window '^Abrir archivo$' 10); then
    fail "Ctrl+A opens the open dialog under Дом"
    stop_program "$pid"
    return
  fi
  wait_until 5 is_active "$dialog"
  xdotool type --delay 60 "levels/casa.tql"
  shot editor-cyrillic-dialog
  key Return
  check "the open dialog under Дом takes levels/casa.tql by its name" window_gone "$dialog" 5
  check "levels/casa.tql opens in a document window" wait_until 10 name_matches "$main" '\[casa\.tql\]'
  sleep 2  # drawn
  shot editor-cyrillic-level
  check "the editor under Дом ran without a sanitizer report" clean_log "$out/editor-cyrillic.log"
  stop_program "$pid"
}

# shot_when SECONDS NAME COMMAND...: takes the screenshot NAME again until the
# command (which reads it) succeeds, or the time is up; the last one stays.
shot_when() {
  local end=$(($(now_ms) + $1 * 1000)) name=$2; shift 2
  while :; do
    shot "$name"
    "$@" && return 0
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
}

moved_from() { geometry "$1" && { [ "$gx" != "$2" ] || [ "$gy" != "$3" ]; }; }

# zoom_list_case LABEL BAR-X BAR-Y: the zoom box of the floating additional bar
# at (BAR-X, BAR-Y) opens its list beside the box, the current item readable.
zoom_list_case() {
  local label=$1 bx=$2 by=$3
  click $((bx + add_zoom)) $((by + bar_row))
  if wait_until 5 popup_shown; then
    pass "$label opens"
    # The list overlaps its box or lies just below it, not anywhere on the screen.
    check "$label lies at its box" popup_near $((bx + add_zoom)) $((by + bar_row))
    # The current item, 100%, is the third row of the list.
    shot_when 3 editor-zoom-list holds_text "$out/editor-zoom-list.png" $((gx + 10)) $((gy + 49)) 60 16
    check "$label shows its current item" holds_text "$out/editor-zoom-list.png" $((gx + 10)) $((gy + 49)) 60 16
  else
    fail "$label opens"
  fi
  key Escape
  check "Escape closes the $label" wait_until 5 no_popup_shown
}

# popup_near X Y: the pop-up shown (gx gy gw gh) spans column X and reaches
# within 100 pixels of row Y.
popup_near() {
  popup_shown || return 1
  [ "$gx" -le "$1" ] && [ $((gx + gw)) -ge "$1" ] && [ "$gy" -le $(($2 + 100)) ] && [ $((gy + gh)) -ge $(($2 - 100)) ]
}

# The menu's shortcuts act in a game's text as anywhere in the main window:
# Ctrl+A opens the open dialog ("Abrir..."), not a selection of the text that
# the next key would replace. The grid's keys are off in a game: Ins and
# Alt+Enter open neither the fill nor the properties dialog.
editor_text_shortcuts_case() {
  xdotool windowactivate --sync "$editor" >/dev/null 2>&1
  key ctrl+j
  check "Ctrl+J makes a game document" wait_until 10 name_matches "$editor" '\[Nuevo'
  # Into its text, as an author clicks before typing.
  click $((cx + 400)) $((cy + 200))
  local dialog
  key ctrl+a
  if dialog=$(wait_window '^Abrir archivo$' 10); then
    pass "Ctrl+A in a game's text opens the open dialog"
    key Escape
    check "the open dialog closes on Escape" window_gone "$dialog" 5
  else
    fail "Ctrl+A in a game's text opens the open dialog"
  fi
  click $((cx + 400)) $((cy + 200))
  key Insert
  check "Ins in a game's text opens no fill dialog" no_window '^Llenar con' 3
  key alt+Return
  check "Alt+Enter in a game's text opens no properties dialog" no_window '^Propiedades' 3
}

# no_window PATTERN SECONDS: no window of that name shows within the time; one
# that does is closed.
no_window() {
  local w
  w=$(wait_window "$1" "$2") || return 0
  key Escape
  return 1
}

# Two editors on one level: the second saves its change; the first, saving its
# own, is asked before it writes over that work. "No" leaves the file as the
# second saved it; "Sí" writes the first one's document.
two_editors_case() {
  local level=$run_folder/dos.tql first second w1 w2 box
  printf '[Options]\r\nWidth=20\r\n[Sprites]\r\n0=0,1,\r\n65541=40,1,\r\n' >"$level"
  start_program "$out/editor-first.log" ./Hopzedit dos.tql
  first=$program_pid
  w1=$(wait_output 30 editor_window_of "$first") || { fail "first editor opens the level"; return; }
  start_program "$out/editor-second.log" ./Hopzedit dos.tql
  second=$program_pid
  w2=$(wait_output 30 editor_window_of "$second") || { fail "second editor opens the level"; stop_program "$first"; return; }
  pass "two editors open one level"

  # The second deletes every object ("Eliminar todos", "Sí") and saves.
  xdotool windowactivate --sync "$w2" >/dev/null 2>&1
  key shift+Delete
  if box=$(wait_window '^Confirmar la eliminaci' 10); then
    key alt+s
    window_gone "$box" 5
  fi
  xdotool windowactivate --sync "$w2" >/dev/null 2>&1
  key ctrl+g
  check "the second editor saves its change" wait_until 10 file_lacks "$level" '65541=40'
  local theirs
  theirs=$(md5sum <"$level")

  xdotool windowactivate --sync "$w1" >/dev/null 2>&1
  key ctrl+g
  if box=$(wait_window '^Archivo modificado$' 10); then
    pass "the first editor asks before writing over the other's save"
    shot editor-changed-file
    key alt+n
    window_gone "$box" 5
    xdotool windowactivate --sync "$w1" >/dev/null 2>&1
    key ctrl+g
    if box=$(wait_new_window '^Archivo modificado$' "$box"); then
      # The editor asks again only once it is done with the "No": the file is read then.
      check "No leaves the other editor's save" test "$(md5sum <"$level")" = "$theirs"
      key alt+s
      check "Sí writes the first editor's document" wait_until 10 file_holds "$level" '65541=40'
    else
      fail "No leaves the other editor's save" "no question on the next save"
      fail "the first editor asks again on the next save"
    fi
  else
    fail "the first editor asks before writing over the other's save"
  fi
  check "the first editor ran without a sanitizer report" clean_log "$out/editor-first.log"
  check "the second editor ran without a sanitizer report" clean_log "$out/editor-second.log"
  stop_program "$second"
  stop_program "$first"
}

# A new level saved as "levels/Casa" beside the default level levels/casa.tql:
# the name is the one typed, so Casa.tql is written and casa.tql stays as it was.
save_beside_a_name_in_other_case() {
  local default=$run_folder/levels/casa.tql written=$run_folder/levels/Casa.tql editor_save w box before
  # Without casa.tql, "as it was" would compare two empty sums.
  [ -f "$default" ] || { fail "levels/casa.tql is there before the save"; return; }
  before=$(md5sum <"$default")
  rm -f "$written"
  start_program "$out/editor-save.log" ./Hopzedit
  editor_save=$program_pid
  w=$(wait_output 30 editor_window_of "$editor_save") || { fail "the editor starts for a save"; return; }
  xdotool windowactivate --sync "$w" >/dev/null 2>&1
  key ctrl+n
  if box=$(wait_window '^Nuevo nivel$' 10); then
    wait_until 5 is_active "$box"
    key Return
    window_gone "$box" 5
  fi
  xdotool windowactivate --sync "$w" >/dev/null 2>&1
  key ctrl+g
  if box=$(wait_window '^Guardar .* como\.\.\.$' 10); then
    pass "Guardar of a new level asks for a name"
    wait_until 5 is_active "$box"
    xdotool type --delay 40 "levels/Casa"
    shot editor-save-as-casa
    key Return
    check "the save dialog closes" window_gone "$box" 5
    check "Guardar as levels/Casa writes levels/Casa.tql" wait_until 10 test -f "$written"
    check "the caption names Casa.tql" wait_until 5 name_matches "$w" '\[Casa\.tql\]'
    check "Guardar as levels/Casa leaves levels/casa.tql as it was" test "$(md5sum <"$default")" = "$before"
  else
    fail "Guardar of a new level asks for a name"
  fi
  check "the saving editor ran without a sanitizer report" clean_log "$out/editor-save.log"
  stop_program "$editor_save"
}

editor_window_of() { xdotool search --all --onlyvisible --pid "$1" --name '^Editor de Tobbo Quest' 2>/dev/null | head -1 | grep .; }
file_holds() { grep -q "$2" "$1"; }
file_lacks() { ! grep -q "$2" "$1"; }

# holds_text FILE X Y W H: the part shows something drawn in a colour that
# stands apart from its background, as text does (not one flat colour).
holds_text() {
  local dark
  dark=$(convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% -negate \
    -format '%[fx:int(mean*1000)]' info: 2>/dev/null) || return 1
  [ "$dark" -ge 20 ] && [ "$dark" -le 980 ]
}
