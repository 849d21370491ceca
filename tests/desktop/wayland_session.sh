# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# A private headless Wayland session (sway on the pixman renderer, no input devices, every window
# floating) for driving the program from outside. Source it; it defines functions and changes
# nothing by itself.
#
#   wl_session_start   starts sway and exports WAYLAND_DISPLAY, SWAYSOCK and XDG_RUNTIME_DIR, so
#                      that the program, wtype, swaymsg, grim and wl-paste reach it
#   wl_session_stop    ends sway, removes every file the session made and gives the three
#                      variables back their earlier values; safe to call twice
#
# A client that outlives the session (wl-copy keeps serving the clipboard in the background) is
# the caller's to end.
#
# sway refuses to run as root, so as root it runs as nobody in a runtime folder of its own; root's
# clients get a root-owned runtime folder of their own (Qt warns about a foreign one) and reach
# the compositor through the socket's absolute path. As any other user everything runs as that
# user. WL_SESSION_LOG names sway's log while the session lives.

if ! declare -F velmara_wait_until >/dev/null; then
  # shellcheck source=../../scripts/lib.sh
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
fi

WL_SESSION_DIR=""
WL_SESSION_PID=""
WL_SESSION_SOCKET=""
WL_SESSION_LOG=""
WL_SESSION_SAVED=()

# Prints the first Wayland socket in folder $1, if there is one.
wl_session_socket() {
  local socket
  for socket in "$1"/wayland-*; do
    [ -S "$socket" ] || continue
    printf '%s\n' "$socket"
    return 0
  done
  return 1
}

# sway has ended, or answers on its socket: then WL_SESSION_SOCKET names its Wayland socket.
wl_session_settled() {
  WL_SESSION_SOCKET=""
  kill -0 "$WL_SESSION_PID" 2>/dev/null || return 0
  local swaysock="$WL_SESSION_DIR/compositor/sway.sock" socket
  socket=$(wl_session_socket "$WL_SESSION_DIR/compositor") && [ -S "$swaysock" ] &&
    SWAYSOCK=$swaysock swaymsg -t get_outputs >/dev/null 2>&1 && WL_SESSION_SOCKET=$socket
}

wl_session_ended() { ! kill -0 "$WL_SESSION_PID" 2>/dev/null; }

wl_session_start() {
  local seconds=${WL_SESSION_TIMEOUT:-20}
  local tool
  for tool in sway swaymsg; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "wl_session_start: $tool is missing" >&2
      return 1
    fi
  done
  wl_session_stop

  WL_SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velmara-wayland.XXXXXX") || return 1
  local compositor_dir="$WL_SESSION_DIR/compositor" client_dir="$WL_SESSION_DIR/client"
  local -a as_user=()
  mkdir -m 0700 "$compositor_dir" "$client_dir"
  if [ "$(id -u)" -eq 0 ]; then
    # nobody must pass through the outer folder to reach its own.
    chmod 0711 "$WL_SESSION_DIR"
    chown nobody:nogroup "$compositor_dir"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi

  cat >"$compositor_dir/config" <<'EOF'
output HEADLESS-1 resolution 1280x1024 position 0 0
for_window [app_id=".*"] floating enable
xwayland disable
swaynag_command -
focus_follows_mouse no
EOF
  WL_SESSION_LOG="$WL_SESSION_DIR/sway.log"
  local swaysock="$compositor_dir/sway.sock"

  # A clean environment: no DISPLAY or WAYLAND_DISPLAY of the caller's session leaks in.
  env -i PATH="$PATH" HOME="$compositor_dir" XDG_RUNTIME_DIR="$compositor_dir" \
    SWAYSOCK="$swaysock" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    WLR_HEADLESS_OUTPUTS=1 \
    "${as_user[@]}" sway --config "$compositor_dir/config" </dev/null >"$WL_SESSION_LOG" 2>&1 &
  WL_SESSION_PID=$!

  if velmara_wait_until "$seconds" wl_session_settled && [ -n "$WL_SESSION_SOCKET" ]; then
    WL_SESSION_SAVED=("${WAYLAND_DISPLAY-}" "${SWAYSOCK-}" "${XDG_RUNTIME_DIR-}")
    export WAYLAND_DISPLAY="$WL_SESSION_SOCKET" SWAYSOCK="$swaysock" XDG_RUNTIME_DIR="$client_dir"
    if [ "$(id -u)" -ne 0 ]; then
      export XDG_RUNTIME_DIR="$compositor_dir"
    fi
    return 0
  fi

  echo "wl_session_start: sway did not come up within $seconds s; its log:" >&2
  sed 's/^/  /' "$WL_SESSION_LOG" >&2
  wl_session_stop
  return 1
}

wl_session_stop() {
  if [ -n "$WL_SESSION_PID" ]; then
    kill -TERM "$WL_SESSION_PID" 2>/dev/null || true
    velmara_wait_until 5 wl_session_ended ||
      kill -KILL "$WL_SESSION_PID" 2>/dev/null || true
    wait "$WL_SESSION_PID" 2>/dev/null || true
    WL_SESSION_PID=""
  fi
  if [ -n "$WL_SESSION_DIR" ]; then
    rm -rf "$WL_SESSION_DIR"
    WL_SESSION_DIR=""
    WL_SESSION_LOG=""
    WL_SESSION_SOCKET=""
  fi
  if [ "${#WL_SESSION_SAVED[@]}" -eq 3 ]; then
    local name index=0
    for name in WAYLAND_DISPLAY SWAYSOCK XDG_RUNTIME_DIR; do
      if [ -n "${WL_SESSION_SAVED[index]}" ]; then
        export "$name=${WL_SESSION_SAVED[index]}"
      else
        unset "$name"
      fi
      index=$((index + 1))
    done
    WL_SESSION_SAVED=()
  fi
}
