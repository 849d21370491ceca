# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The Wayland driver of desktop_lib.sh: a private headless sway (wayland_session.sh) that floats
# every window, keys through wtype, the window tree through swaymsg, pixels and screenshots
# through grim, the clipboard through wl-clipboard. Windows are sway container ids. It has no
# pointer device, and a Wayland program neither knows nor sets its windows' places; Qt sends a
# window without a title the program's name.

# shellcheck disable=SC2034 # desktop_lib.sh reads it
DRV_CAN=()

# shellcheck source=wayland_session.sh
source "$DT_DIR/wayland_session.sh"

DRV_COPIERS=()

drv_begin() {
  dt_need sway swaymsg wtype grim wl-copy wl-paste jq convert compare
  wl_session_start || return 1
  export QT_QPA_PLATFORM=wayland
}

drv_end() {
  local pid
  for pid in "${DRV_COPIERS[@]}"; do kill "$pid" 2>/dev/null; done
  wl_session_stop
}

# The program's windows as "id x y width height title", the client area in output coordinates.
sway_tree() {
  swaymsg -t get_tree 2>/dev/null | jq -r --argjson pid "$DT_PID" '
    .. | objects | select(.pid? == $pid and .visible == true)
    | "\(.id) \(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height) \(.name // "")"'
}

drv_main_window() { sway_tree | awk '$6 == "Velmara" && NF == 6 {print $1; exit}'; }

drv_windows() { sway_tree | awk '{print $1}'; }

# Sets DRV_X DRV_Y DRV_W DRV_H to window $1's client area in output coordinates.
sway_client_area() {
  read -r DRV_X DRV_Y DRV_W DRV_H < <(sway_tree | awk -v id="$1" '$1 == id {print $2, $3, $4, $5}')
  [ -n "$DRV_H" ]
}

# Each wtype call is a new virtual keyboard with a keymap of its own: the program is given a
# moment to take it before the first key.
drv_key() {
  local args=(-s 150) key part mods
  for key in "$@"; do
    mods=()
    while [[ $key == *+?* ]]; do
      part=${key%%+*}
      key=${key#*+}
      mods+=("$part")
    done
    for part in "${mods[@]}"; do args+=(-M "$part"); done
    args+=(-k "$key")
    for part in "${mods[@]}"; do args+=(-m "$part"); done
    args+=(-s 25)
  done
  wtype "${args[@]}"
}

drv_type() { wtype -s 150 -d 25 -- "$1"; }

drv_size() { sway_client_area "$1" && echo "${DRV_W}x$DRV_H"; }

drv_title() { sway_tree | awk -v id="$1" '$1 == id {$1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print}'; }

drv_focus() { swaymsg "[con_id=$1] focus" >/dev/null; }

# The compositor gives the focus back by itself when a window closes.
drv_refocus() { :; }

drv_clipboard() { wl-paste --no-newline 2>/dev/null; }

# wl-copy serves the text until another client takes the clipboard or the session ends.
drv_set_clipboard() {
  wl-copy --foreground -- "$1" >/dev/null 2>&1 &
  DRV_COPIERS+=($!)
  dt_wait_until 2 dt_clipboard_is "$1"
}

drv_shot() {
  sway_client_area "$2" || return 1
  grim -g "$DRV_X,$DRV_Y ${DRV_W}x$DRV_H" "$DT_SHOTS/desktop_$DT_NAME.$1.png" 2>/dev/null &&
    echo "$DT_SHOTS/desktop_$DT_NAME.$1.png"
}

drv_pixel() {
  sway_client_area "$3" || return 1
  local line
  line=$(grim -g "$((DRV_X + $1)),$((DRV_Y + $2)) 1x1" - 2>/dev/null |
    convert png:- -depth 8 txt:- 2>/dev/null | tail -n 1)
  [[ $line =~ \(([0-9]+),([0-9]+),([0-9]+) ]] &&
    echo "${BASH_REMATCH[1]},${BASH_REMATCH[2]},${BASH_REMATCH[3]}"
}

drv_close() { swaymsg "[con_id=$1] kill" >/dev/null; }

# Resizes window $1 to height $2 as the compositor does for a user who drags its edge.
drv_user_height() { swaymsg "[con_id=$1] resize set height $2 px" >/dev/null; }
