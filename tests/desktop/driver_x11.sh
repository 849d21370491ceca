# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The X driver of desktop_lib.sh: a private Xvfb without a window manager, keys and clicks
# through xdotool, the clipboard through xclip, pixels and screenshots through ImageMagick.
# Windows are X window ids. Without a window manager nothing but the program moves a window.

# shellcheck disable=SC2034 # desktop_lib.sh reads it
DRV_CAN=(pointer empty_title)

drv_begin() {
  dt_need Xvfb xdotool xwininfo xclip import compare
  [ -x "${VELMARA_WM_DELETE:-}" ] || { echo "VELMARA_WM_DELETE names no wm_delete helper" >&2; return 1; }
  velmara_start_xvfb || return 1
  export QT_QPA_PLATFORM=xcb
}

drv_end() { velmara_stop_xvfb; }

# Once the window is there the pointer rests on it, over the table text, which has no tooltip
# to cover a box: without a window manager the keyboard follows the pointer once no window
# holds the focus, so a pointer outside would take the keys away when the About window closes.
drv_main_window() {
  local id
  id=$(xdotool search --onlyvisible --pid "$DT_PID" --name '^Velmara$' 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  dt_locate Form1 Label1
  xdotool mousemove --window "$id" $((DT_X + DT_W / 2)) $((DT_Y + DT_H / 2)) 2>/dev/null
  echo "$id"
}

drv_windows() { xdotool search --onlyvisible --pid "$DT_PID" 2>/dev/null; }

drv_key() { xdotool key --delay 25 -- "$@"; }

drv_type() { xdotool type --delay 25 -- "$1"; }

drv_size() {
  xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'
}

drv_title() { xdotool getwindowname "$1" 2>/dev/null; }

drv_focus() { xdotool windowfocus "$1" 2>/dev/null; }

# With no window manager nobody gives the focus back when a window closes; do what one would.
drv_refocus() { drv_focus "$1"; }

drv_clipboard() { xclip -selection clipboard -o 2>/dev/null; }

drv_set_clipboard() { printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1; }

drv_shot() {
  import -window "$2" "$DT_SHOTS/desktop_$DT_NAME.$1.png" 2>/dev/null &&
    echo "$DT_SHOTS/desktop_$DT_NAME.$1.png"
}

# Prints "r,g,b" of a pixel of window $3 in its own coordinates, nothing for a point outside it
# (ImageMagick gives a transparent white one there).
drv_pixel() {
  local line
  line=$(import -window "$3" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1)
  [[ $line =~ \(([0-9]+),([0-9]+),([0-9]+)\) ]] &&
    echo "${BASH_REMATCH[1]},${BASH_REMATCH[2]},${BASH_REMATCH[3]}"
}

# Asks a window to close as a window manager does: WM_DELETE_WINDOW.
drv_close() { "$VELMARA_WM_DELETE" "$1"; }

# Resizes window $1 to height $2 from outside, as a window manager does for a user who drags its
# edge.
drv_user_height() { xdotool windowsize "$1" "$(drv_size "$1" | cut -dx -f1)" "$2" 2>/dev/null; }

# A new window may still be moving into its place: its place is the same twice running.
x11_placed() {
  local before
  before=$(xdotool getwindowgeometry "$1" 2>/dev/null) || return 1
  sleep 0.1
  [ "$before" = "$(xdotool getwindowgeometry "$1" 2>/dev/null)" ]
}

# Clicks at point $1,$2 of window $3, once it stays in its place, then rests the pointer where
# drv_main_window put it.
drv_click() {
  dt_wait_until 2 x11_placed "$3"
  dt_locate Form1 Label1
  xdotool mousemove --sync --window "$3" "$1" "$2" click 1 \
    mousemove --window "$DT_WIN" $((DT_X + DT_W / 2)) $((DT_Y + DT_H / 2)) 2>/dev/null
}
