# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The Wine driver of desktop_lib.sh: the Windows program under wine64 in a private prefix on a
# private Xvfb with openbox (wine_session.sh); keys and clicks through xdotool, the clipboard
# through xclip, pixels and screenshots through ImageMagick. Windows are X window ids: Wine gives
# a managed window's X window the client area alone, so places and sizes read as on the X driver.
# Managed by openbox as on a user's desktop: without one keys need forcing and each hide stalls 2 s.

# The X driver's keys, clicks, sizes, pixels and clipboard serve as they are; this file changes
# the session, the focus and the close, and adds what a Windows program under a window manager
# offers.
# shellcheck source=driver_x11.sh
source "$DT_DIR/driver_x11.sh"
# shellcheck disable=SC2034 # desktop_lib.sh reads it
DRV_CAN=(pointer empty_title move accessible_names clipboard_holder dpi)
# shellcheck source=wine_session.sh
source "$DT_DIR/wine_session.sh"

DRV_EXE_NAME=""
DRV_HOLDER_PID=""
DRV_HOLDER_FD=""
DRV_HOLDER_OUT=""

# Starts the session and puts a launcher in the program's place: it sets the prefix's DPI to the
# scale that DT_SCALE holds when the program starts (96 DPI is 1) and becomes wine64 running
# the program, whose exit status wine64 returns.
drv_begin() {
  dt_need Xvfb openbox xprop xdotool xwininfo xclip import compare "$WINE_SESSION_WINE" \
    "$WINE_SESSION_SERVER"
  [ -x "${VELMARA_WM_DELETE:-}" ] || {
    echo "VELMARA_WM_DELETE names no wm_delete helper" >&2
    return 1
  }
  wine_session_start || return 1
  DRV_EXE_NAME=$(basename "$DT_PROGRAM")
  local launcher="$WINE_SESSION_DIR/velmara"
  {
    echo '#!/usr/bin/env bash'
    printf 'source %q\nWINE_SESSION_DIR=%q WINE_SESSION_LOG=%q program=%q\n' \
      "$DT_DIR/wine_session.sh" "$WINE_SESSION_DIR" "$WINE_SESSION_LOG" "$DT_PROGRAM"
    cat <<'EOF'
wine_session_dpi "$(wine_session_scaled_dpi "${DT_SCALE:-1}")" || exit 1
exec "$WINE_SESSION_WINE" "$program"
EOF
  } >"$launcher"
  chmod +x "$launcher"
  DT_PROGRAM=$launcher
  export DT_SCALE
}

drv_end() {
  drv_release_clipboard >/dev/null 2>&1
  wine_session_stop
}

# Moves the X focus to window $1 and waits up to 2 s to see it there; Wine hands the keys of a
# disabled window to the active one, as Windows does.
drv_focus() { timeout 2 xdotool windowfocus --sync "$1" 2>/dev/null; }

# openbox gives the X focus back to the window beneath when one closes; the keys wait for it.
drv_refocus() { dt_wait_until 3 wine_focused "$1"; }

wine_focused() { [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$1" ]; }

# openbox moves a window as for a user who drags it; the place is that of the client area, which
# is Wine's X window.
drv_place() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Position:/ {print $2}'; }
drv_move() { xdotool windowmove "$1" "$2" "$3" 2>/dev/null; }

# Asks a window to close as a window manager does: WM_DELETE_WINDOW, which Wine turns into
# WM_CLOSE. Wine, as Windows, takes no close from the frame of a window that the About window
# disabled: the system closes such a program as taskkill does, with WM_CLOSE to each window.
drv_close() {
  if [ "$1" = "$DT_WIN" ] && dt_other_windows | grep -q .; then
    "$WINE_SESSION_WINE" taskkill /im "$DRV_EXE_NAME" >>"$DT_LOG" 2>&1
  else
    "$VELMARA_WM_DELETE" "$1"
  fi
}

# Prints "role<TAB>name" for each control of the program's shown windows, as a screen reader
# reads them: VELMARA_READ_ACCESSIBLE names read_accessible.exe.
drv_accessible_names() {
  [ -r "${VELMARA_READ_ACCESSIBLE:-}" ] || {
    echo "VELMARA_READ_ACCESSIBLE names no read_accessible.exe" >&2
    return 1
  }
  "$WINE_SESSION_WINE" "$VELMARA_READ_ACCESSIBLE" 2>>"$DT_LOG"
}

# Another Windows process opens the clipboard and keeps it open until drv_release_clipboard:
# VELMARA_HOLD_CLIPBOARD names hold_clipboard.exe, which says "held" once it has it and lets go
# when its input closes.
drv_hold_clipboard() {
  [ -z "$DRV_HOLDER_PID" ] || { echo "the clipboard is held already" >&2; return 1; }
  [ -r "${VELMARA_HOLD_CLIPBOARD:-}" ] || {
    echo "VELMARA_HOLD_CLIPBOARD names no hold_clipboard.exe" >&2
    return 1
  }
  local input="$WINE_SESSION_DIR/holder.in"
  DRV_HOLDER_OUT="$WINE_SESSION_DIR/holder.out"
  rm -f "$input" && mkfifo "$input" || return 1
  : >"$DRV_HOLDER_OUT"
  "$WINE_SESSION_WINE" "$VELMARA_HOLD_CLIPBOARD" <"$input" >"$DRV_HOLDER_OUT" 2>>"$DT_LOG" &
  DRV_HOLDER_PID=$!
  exec {DRV_HOLDER_FD}>"$input"
  dt_wait_until 10 wine_holder_settled
  if ! grep -qx held "$DRV_HOLDER_OUT"; then
    echo "hold_clipboard.exe did not get the clipboard: $(cat "$DRV_HOLDER_OUT")" >&2
    drv_release_clipboard
    return 1
  fi
}

# The holder has the clipboard, or has ended without it.
wine_holder_settled() { grep -qx held "$DRV_HOLDER_OUT" || ! kill -0 "$DRV_HOLDER_PID" 2>/dev/null; }

wine_holder_gone() { ! kill -0 "$DRV_HOLDER_PID" 2>/dev/null; }

# Closes the holder's input and waits for it to close the clipboard and end with status 0.
drv_release_clipboard() {
  [ -n "$DRV_HOLDER_PID" ] || return 1
  if [ -n "$DRV_HOLDER_FD" ]; then
    exec {DRV_HOLDER_FD}>&-
    DRV_HOLDER_FD=""
  fi
  local status=0
  if ! dt_wait_until 5 wine_holder_gone; then
    kill "$DRV_HOLDER_PID" 2>/dev/null
    status=124
  fi
  wait "$DRV_HOLDER_PID" || status=$?
  DRV_HOLDER_PID=""
  [ "$status" -eq 0 ] || echo "hold_clipboard.exe ended with status $status" >&2
  [ "$status" -eq 0 ]
}
