# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# A private desktop for Windows programs under Wine: an Xvfb display with openbox on it and a
# fresh Wine prefix whose persistent wineserver lives as long as the session. Source it; it
# defines functions and changes nothing by itself.
#
#   wine_session_start   starts Xvfb and openbox, creates the prefix (fonts-wine's fonts in its
#                        Fonts folder, 96 DPI) with its server, and exports DISPLAY, WINEPREFIX,
#                        WINEDEBUG, WINEARCH, WINEDLLOVERRIDES and WINESERVER
#   wine_session_dpi N   sets the prefix's display DPI, which each program reads when it starts
#   wine_session_scaled_dpi SCALE
#                        prints the DPI of a display scale: 96 at 1, 120 at 1.25, 192 at 2
#   wine_session_stop    ends every Wine process of the prefix, its server, openbox and Xvfb,
#                        removes the prefix and gives DISPLAY and WINEPREFIX back their earlier
#                        values; safe to call twice
#
# WINE_SESSION_WINE is the wine64 loader to start a program with; it returns the program's exit
# status. The clipboard of the prefix reaches X only on this display and only while its server
# runs, so the session keeps one of each. WINE_SESSION_LOG names the log of the session's tools.

if ! declare -F velmara_start_xvfb >/dev/null; then
  # shellcheck source=../../scripts/lib.sh
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
fi

WINE_SESSION_DIR=""
WINE_SESSION_LOG=""
WINE_SESSION_WM_PID=""
WINE_SESSION_SAVED=()
WINE_SESSION_WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINE_SESSION_SERVER=$(command -v wineserver64 || echo /usr/lib/wine/wineserver64)
WINE_SESSION_FONTS=/usr/share/wine/fonts

# A window manager without bindings, so that every key and click reaches the program, which
# asks it for the focus when clicked as Windows programs do; it focuses each new window.
wine_session_openbox_config() {
  cat <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <desktops><number>1</number></desktops>
  <keyboard/>
  <mouse/>
</openbox_config>
EOF
}

wine_session_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

wine_session_start() {
  local tool
  for tool in "$WINE_SESSION_WINE" "$WINE_SESSION_SERVER" Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "wine_session_start: $tool is missing" >&2
      return 1
    fi
  done
  if ! compgen -G "$WINE_SESSION_FONTS/*.fon" >/dev/null; then
    echo "wine_session_start: no fonts in $WINE_SESSION_FONTS (fonts-wine)" >&2
    return 1
  fi
  wine_session_stop

  # A new prefix copies 700 MB of DLLs: in memory that takes two seconds less than on disk.
  local base=${TMPDIR:-/tmp} room
  room=$(df -Pk /dev/shm 2>/dev/null | awk 'NR == 2 {print $4}')
  [ -w /dev/shm ] && [ "${room:-0}" -gt 2097152 ] && base=/dev/shm
  WINE_SESSION_DIR=$(mktemp -d "$base/velmara-wine.XXXXXX") || return 1
  WINE_SESSION_LOG="$WINE_SESSION_DIR/session.log"
  WINE_SESSION_SAVED=("${DISPLAY-}" "${WINEPREFIX-}")

  velmara_start_xvfb || { wine_session_stop; return 1; }
  wine_session_openbox_config >"$WINE_SESSION_DIR/openbox.xml"
  openbox --sm-disable --config-file "$WINE_SESSION_DIR/openbox.xml" </dev/null \
    >>"$WINE_SESSION_LOG" 2>&1 &
  WINE_SESSION_WM_PID=$!
  wine_session_watch "$VELMARA_XVFB_PID" "$WINE_SESSION_WM_PID"

  # Gecko and Mono would each ask to be downloaded, and the menu builder writes outside the prefix.
  export WINEPREFIX="$WINE_SESSION_DIR/prefix" WINEDEBUG=-all WINEARCH=win64 \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINESERVER=$WINE_SESSION_SERVER
  mkdir -m 0700 "$WINEPREFIX"
  if ! velmara_wait_until 20 wine_session_wm_ready; then
    echo "wine_session_start: openbox did not come up; the log:" >&2
    sed 's/^/  /' "$WINE_SESSION_LOG" >&2
    wine_session_stop
    return 1
  fi
  "$WINE_SESSION_SERVER" -p || { wine_session_stop; return 1; }
  # The desktop process, which bridges the clipboard, takes the display that wineboot finds.
  if ! "$WINE_SESSION_WINE" wineboot -i >>"$WINE_SESSION_LOG" 2>&1 ||
    [ ! -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
    echo "wine_session_start: the prefix was not created; the log:" >&2
    sed 's/^/  /' "$WINE_SESSION_LOG" >&2
    wine_session_stop
    return 1
  fi
  # Debian's Wine looks for its own bitmap fonts, MS Sans Serif among them, only in the prefix.
  if ! cp "$WINE_SESSION_FONTS"/* "$WINEPREFIX/drive_c/windows/Fonts/" ||
    ! mkfifo "$WINE_SESSION_DIR/keeper"; then
    wine_session_stop
    return 1
  fi
  # The desktop closes seconds after its last program ends, and the next program then waits
  # seconds, or for good, for a new one: a program that waits for input that never comes keeps
  # it until the session ends.
  "$WINE_SESSION_WINE" find.exe keeper <>"$WINE_SESSION_DIR/keeper" >/dev/null 2>&1 &
  # openbox may offer a new window the focus before Wine has shown it, and Wine declines that
  # offer for good; without the offers Wine activates whichever window the X focus reaches.
  if ! "$WINE_SESSION_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f \
    >>"$WINE_SESSION_LOG" 2>&1 || ! wine_session_dpi 96; then
    echo "wine_session_start: could not set up the prefix's registry; the log:" >&2
    sed 's/^/  /' "$WINE_SESSION_LOG" >&2
    wine_session_stop
    return 1
  fi
}

# The DPI set last is kept in the session's folder, for the programs that set it in turn.
wine_session_dpi() {
  [ "$1" = "$(cat "$WINE_SESSION_DIR/dpi" 2>/dev/null)" ] && return 0
  "$WINE_SESSION_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$1" /f >>"$WINE_SESSION_LOG" 2>&1 || {
    echo "wine_session_dpi: could not set $1 DPI" >&2
    return 1
  }
  echo "$1" >"$WINE_SESSION_DIR/dpi"
}

wine_session_scaled_dpi() { awk -v scale="$1" 'BEGIN {printf "%d\n", 96 * scale + 0.5}'; }

# Prints the processes that run with prefix $1, but this shell.
wine_session_processes() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = "$$" ] || [ "$pid" = "$BASHPID" ] && continue
    grep -qzxF "WINEPREFIX=$1" "$environ" 2>/dev/null && echo "$pid"
  done
}

# Ends every process of the prefix in session folder $1 and its server, waits until the server
# is gone, then ends what was starting meanwhile and so found no server; removes the folder.
wine_session_end_prefix() {
  local prefix="$1/prefix" pid server_dir
  if [ -d "$prefix" ]; then
    server_dir=$(cat "$prefix/wineserver" 2>/dev/null)
    WINEPREFIX=$prefix "$WINE_SESSION_SERVER" -k 2>/dev/null
    WINEPREFIX=$prefix timeout 10 "$WINE_SESSION_SERVER" -w 2>/dev/null
    for pid in $(wine_session_processes "$prefix"); do kill -KILL "$pid" 2>/dev/null; done
    # Debian's server leaves the folder of its socket behind; the prefix names it.
    [[ $server_dir =~ ^wine-[A-Za-z0-9]{6}$ ]] && rm -rf "${TMPDIR:-/tmp}/$server_dir"
  fi
  rm -rf "$1"
}

# A session whose shell is killed (a CTest timeout) runs no clean-up, and its server, outside the
# shell's process tree, would keep the prefix's 700 MB: a watcher outside it too ends the
# session's processes, given as $@, and the prefix.
wine_session_watch() {
  (
    # shellcheck disable=SC2016 # the watcher's shell expands them
    setsid bash -c 'source "$1"
      while kill -0 "$2" 2>/dev/null && [ -d "$3" ]; do sleep 1; done
      [ -d "$3" ] || exit 0
      kill "${@:4}" 2>/dev/null
      wine_session_end_prefix "$3"' watcher "${BASH_SOURCE[0]}" "$$" "$WINE_SESSION_DIR" "$@" \
      </dev/null >/dev/null 2>&1 &
  )
}

wine_session_stop() {
  [ -n "$WINE_SESSION_DIR" ] && wine_session_end_prefix "$WINE_SESSION_DIR"
  if [ -n "$WINE_SESSION_WM_PID" ]; then
    kill "$WINE_SESSION_WM_PID" 2>/dev/null || true
    wait "$WINE_SESSION_WM_PID" 2>/dev/null || true
    WINE_SESSION_WM_PID=""
  fi
  velmara_stop_xvfb
  WINE_SESSION_DIR=""
  WINE_SESSION_LOG=""
  if [ "${#WINE_SESSION_SAVED[@]}" -eq 2 ]; then
    local name index=0
    for name in DISPLAY WINEPREFIX; do
      if [ -n "${WINE_SESSION_SAVED[index]}" ]; then
        export "$name=${WINE_SESSION_SAVED[index]}"
      else
        unset "$name"
      fi
      index=$((index + 1))
    done
    WINE_SESSION_SAVED=()
  fi
}
