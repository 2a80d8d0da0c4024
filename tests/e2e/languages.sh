#!/usr/bin/env bash
# The player's language, on a real X server and read through the accessibility bus:
# under LANG=de_DE.UTF-8 the welcome window, the game window's menus, the pause box and
# --help speak German; under LANG=C.UTF-8 they are the designed English. The locale
# de_DE.UTF-8 need not be generated: Qt reads the variable itself, and only the C
# library falls back to C.
# Runs on a D-Bus session of its own. Usage: languages.sh PATH-TO-GLIMMERIX
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
own_session_bus "$@"
e2e_begin "$@"
start_accessibility_bus
here=$(dirname "${BASH_SOURCE[0]}")

# in_language LANG WELCOME-TITLE MENUS PAUSE-BOX HELP-LINE: starts the game under LANG,
# presses PLAY, and compares what the menus and the pause box say and what --help prints.
in_language() {
  local lang=$1 welcome=$2 menus=$3 box=$4 help_line=$5 seen
  LANG=$lang start_game
  wait_window "^$welcome" 10 "" "LANG=$lang"
  click "$WIN" 228 104
  wait_window '^Glimmerix$' 10 "" "PLAY under LANG=$lang"
  MAIN=$WIN
  seen=$(/usr/bin/python3 "$here/languages.py" menus) || fail "$seen"
  [[ "$seen" == "$menus" ]] || fail "under LANG=$lang the menus say:"$'\n'"$seen"
  press "$MAIN" ctrl+p
  wait_window '^Glimmerix$' 5 "$MAIN" "Ctrl+P under LANG=$lang"
  seen=$(/usr/bin/python3 "$here/languages.py" box) || fail "$seen"
  [[ "$seen" == "$box" ]] || fail "under LANG=$lang the pause box says:"$'\n'"$seen"
  stop_game
  seen=$(LANG=$lang "$GAME_BIN" --help)
  grep -qxF -- "$help_line" <<<"$seen" || fail "under LANG=$lang --help says:"$'\n'"$seen"
  log "LANG=$lang: welcome window, menus, pause box and --help as expected"
}

TAB=$'\t'
in_language de_DE.UTF-8 "Willkommen bei Glimmerix!" "Spiel${TAB}Alt+S
Neues Spiel${TAB}Ctrl+N
Spiel anhalten${TAB}Ctrl+P
Beenden${TAB}Ctrl+X
Hilfe${TAB}Alt+H
Spielanleitung${TAB}Ctrl+H
Über${TAB}Ctrl+A" "Glimmerix

Glimmerix ist angehalten.  Klicke auf OK, um weiterzuspielen.
OK${TAB}Enter" "  -h, --help, -?  Zeigt diese Hilfe an."

in_language C.UTF-8 "Welcome to Glimmerix!" "File${TAB}Alt+F
New Game${TAB}Ctrl+N
Pause Game${TAB}Ctrl+P
Exit${TAB}Ctrl+X
Help${TAB}Alt+H
How to Play${TAB}Ctrl+H
About${TAB}Ctrl+A" "Glimmerix

Glimmerix is paused.  Click OK to unpause the game.
OK${TAB}Enter" "  -h, --help, -?  Displays this help."
