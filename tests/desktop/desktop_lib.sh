# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Drives the real program on a display server from outside, as a user does, mostly by keyboard
# so that one scenario runs on every driver. Source it with a driver (x11, wayland, wine) and the
# program's path. Every check belongs to a named case; dt_finish prints the tally and gives the
# exit status.
#
# The driver file gives the display. Every driver defines these, each meaning the same in all:
#   drv_begin                starts the display server and exports what reaches it; fails if not
#   drv_end                  ends what drv_begin started; safe to call twice
#   drv_main_window          prints the window id of the program's ($DT_PID) shown main window,
#                            the one named Velmara; fails while there is none
#   drv_windows              prints the ids of all the program's shown windows, one a line
#   drv_key KEY...           presses the keys (xdotool's names, "alt+m") one after the other
#   drv_type TEXT            types TEXT
#   drv_size WIN             prints "WxH", the size in pixels of what the program draws of WIN
#   drv_title WIN            prints WIN's title as the display carries it
#   drv_focus WIN            gives WIN the keyboard, as a click on it asks the display to
#   drv_refocus WIN          returns once WIN has the keyboard back after the window over it
#                            closed (giving it back itself where nobody else would)
#   drv_clipboard            prints the text on the system clipboard
#   drv_set_clipboard TEXT   puts TEXT on the system clipboard, as another program's copy does
#   drv_shot NAME WIN        saves a picture of WIN as $DT_SHOTS/desktop_$DT_NAME.NAME.png and
#                            prints its path
#   drv_pixel X Y WIN        prints "r,g,b" of WIN's pixel at X,Y in WIN's own coordinates,
#                            nothing for a point outside it
#   drv_close WIN            asks WIN to close as a window manager does for its user
#   drv_user_height WIN H    resizes WIN to height H from outside, as for a user dragging its edge
#
# A driver may have capabilities beyond those; it lists them in DRV_CAN, defines the functions of
# each capability it lists and no other drv_ function (dt_begin holds it to that), and a scenario
# asks `dt_can NAME` or opens the case with dt_case_if:
#   pointer          drv_click X Y WIN: a click of the first button at X,Y of WIN
#   move             a window manager that moves a window: drv_place WIN prints the place of
#                    WIN's top-left corner on the screen, "X,Y"; drv_move WIN X Y moves it there
#                    from outside
#   accessible_names drv_accessible_names prints "role<TAB>name" of each control of the
#                    program's shown windows, as a screen reader hears them
#   clipboard_holder drv_hold_clipboard makes another program open the clipboard and keep it;
#                    drv_release_clipboard lets it go, failing if the holder did not end well
#   empty_title      (no function) drv_title reads a window without a title as empty, and
#                    fails for a window it cannot read
#   dpi              (no function) dt_start DT_SCALE=S starts the program at 96 * S DPI, any S,
#                    and the program rounds the design's lengths to whole pixels at that DPI

DT_DRIVER=${1:?usage: $0 x11|wayland|wine PATH-TO-VELMARA}
DT_PROGRAM=${2:?usage: $0 x11|wayland|wine PATH-TO-VELMARA}
DT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
DT_DESIGN=${VELMARA_DESIGN:-$DT_DIR/../design/controls.tsv}
DT_SHOTS=${VELMARA_SHOTS:-$PWD}
DT_NAME=${DT_DRIVER}_$(basename "$0" .sh)
DT_SCALE=1
DT_PID=""
DT_WIN=""

# shellcheck source=../../scripts/lib.sh
source "$DT_DIR/../../scripts/lib.sh"
DRV_CAN=()
# shellcheck source=driver_x11.sh
source "$DT_DIR/driver_$DT_DRIVER.sh"

readonly DT_DRV_FUNCTIONS="drv_begin drv_end drv_main_window drv_windows drv_key drv_type \
drv_size drv_title drv_focus drv_refocus drv_clipboard drv_set_clipboard drv_shot drv_pixel \
drv_close drv_user_height"
declare -rA DT_CAPABILITY_FUNCTIONS=([pointer]=drv_click [move]="drv_place drv_move"
  [accessible_names]=drv_accessible_names
  [clipboard_holder]="drv_hold_clipboard drv_release_clipboard" [empty_title]="" [dpi]="")

dt_can() { [[ " ${DRV_CAN[*]} " == *" $1 "* ]]; }

# Prints what the driver gets wrong against the list above: a function missing, one it defines
# without listing its capability, an unknown capability.
dt_driver_faults() {
  local name function expected=" $DT_DRV_FUNCTIONS "
  for name in "${DRV_CAN[@]}"; do
    [ -v "DT_CAPABILITY_FUNCTIONS[$name]" ] || echo "unknown capability $name"
    expected+="${DT_CAPABILITY_FUNCTIONS[$name]:-} "
  done
  for function in $expected; do
    declare -F "$function" >/dev/null || echo "no $function"
  done
  for function in $(compgen -A function drv_); do
    [[ $expected == *" $function "* ]] || echo "$function, of no capability it lists"
  done
}

# ---- cases and checks ----

DT_CASES=0
DT_FAILED=0
DT_CASE=""
DT_CASE_BAD=0
DT_CASE_START=0
DT_SUITE_START=$(date +%s%N)

dt_end_case() {
  [ -n "$DT_CASE" ] || return 0
  local ms=$((($(date +%s%N) - DT_CASE_START) / 1000000))
  DT_CASES=$((DT_CASES + 1))
  if [ "$DT_CASE_BAD" -eq 0 ]; then
    printf 'ok    %-70s %5d ms\n' "$DT_CASE" "$ms"
  else
    DT_FAILED=$((DT_FAILED + 1))
    printf 'FAIL  %-70s %5d ms\n' "$DT_CASE" "$ms"
  fi
  DT_CASE=""
}

dt_case() {
  dt_end_case
  DT_CASE=$1
  DT_CASE_BAD=0
  DT_CASE_START=$(date +%s%N)
}

# Opens a case that needs the driver's capabilities $1 (a list); without them it says so and
# returns false, so that the caller leaves the case's steps out.
dt_case_if() {
  dt_end_case
  local name
  for name in $1; do
    if ! dt_can "$name"; then
      printf 'n/a   %-70s needs %s\n' "$2" "$name"
      return 1
    fi
  done
  dt_case "$2"
}

fail() {
  printf '      %s\n' "$*"
  DT_CASE_BAD=1
}

dt_check_eq() {
  [ "$3" = "$2" ] || fail "$1: expected [$2], got [$3]"
}

dt_finish() {
  dt_end_case
  local ms=$((($(date +%s%N) - DT_SUITE_START) / 1000000))
  echo "$DT_NAME: $DT_CASES cases, $DT_FAILED failed, $ms ms"
  if [ "$DT_FAILED" -ne 0 ] && [ -s "$DT_LOG" ]; then
    echo "--- program output ($DT_LOG):"
    tail -n 40 "$DT_LOG"
  fi
  [ "$DT_CASES" -gt 0 ] && [ "$DT_FAILED" -eq 0 ]
}

# A failure that leaves nothing further to check.
dt_fatal() {
  fail "$*"
  dt_finish
  exit 1
}

# Waits as the project's scripts do: runs a command until it succeeds or the deadline (seconds,
# fractions allowed) passes.
dt_wait_until() { velmara_wait_until "$@"; }

# Exits with 77 when a display tool is missing, unless the suite was asked to run
# (VELMARA_DESKTOP_REQUIRED=1, as scripts/test sets it): then the missing tool fails the test.
dt_need() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "${VELMARA_DESKTOP_REQUIRED:-0}" = 1 ]; then
    echo "missing: ${missing[*]}" >&2
    exit 1
  fi
  echo "SKIP: not installed: ${missing[*]} (scripts/test installs them)"
  exit 77
}

# ---- display and program ----

dt_cleanup() {
  if [ -n "$DT_PID" ] && dt_running; then kill "$DT_PID" 2>/dev/null; fi
  drv_end
  [ -n "${DT_RUNTIME:-}" ] && rm -rf "$DT_RUNTIME"
}

# Starts the display server and sets a known environment for the program.
dt_begin() {
  [ -x "$DT_PROGRAM" ] || { echo "no program at $DT_PROGRAM" >&2; exit 1; }
  [ -r "$DT_DESIGN" ] || { echo "no design table at $DT_DESIGN" >&2; exit 1; }
  local faults
  faults=$(dt_driver_faults)
  [ -z "$faults" ] || { echo "driver $DT_DRIVER: $faults" >&2; exit 1; }
  mkdir -p "$DT_SHOTS"
  DT_LOG="$DT_SHOTS/desktop_$DT_NAME.log"
  : >"$DT_LOG"
  DT_RUNTIME=$(mktemp -d)
  trap dt_cleanup EXIT
  export XDG_RUNTIME_DIR=$DT_RUNTIME LC_ALL=C.UTF-8
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI \
    QT_STYLE_OVERRIDE
  drv_begin || exit 1
}

dt_running() {
  local state
  state=$(awk '{print $3}' "/proc/$DT_PID/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# Starts the program with extra VAR=value settings and waits for its main window to be shown
# and painted. Sets DT_PID and DT_WIN.
# shellcheck disable=SC2120 # the settings are optional
dt_start() {
  env "$@" "$DT_PROGRAM" >>"$DT_LOG" 2>&1 &
  DT_PID=$!
  dt_wait_until 20 dt_main_shown || dt_fatal "no window named Velmara appeared"
  dt_wait_until 5 dt_painted || dt_fatal "the window was never painted"
}

dt_main_shown() { DT_WIN=$(drv_main_window) && [ -n "$DT_WIN" ]; }

# A window that is mapped but not yet painted is black (or, on Wayland, not yet there at all).
dt_painted() {
  local colour
  colour=$(drv_pixel "${2:-$(dt_gap_x)}" "${3:-$(dt_gap_y)}" "${1:-$DT_WIN}")
  [ -n "$colour" ] && [ "$colour" != "0,0,0" ]
}

# Waits for the program to end by itself; its exit status must be 0.
dt_expect_exit() {
  if ! dt_wait_until 5 eval '! dt_running'; then
    fail "the program is still running"
    kill "$DT_PID" 2>/dev/null
    wait "$DT_PID" 2>/dev/null
    DT_PID=""
    return
  fi
  local status=0
  wait "$DT_PID" || status=$?
  DT_PID=""
  dt_check_eq "exit status" 0 "$status"
}

# The program's shown windows other than the main window.
dt_other_windows() { drv_windows | grep -vx "$DT_WIN"; }

# ---- places from the design table ----

# The About window (Form2) has no title bar and draws a thin fixed frame of its own, 45 twips on
# every side, around the client area that the design measures from; to the display the frame is
# part of the window.
declare -rA DT_OWN_FRAME=([Form2]=45)

# Sets DT_X DT_Y DT_W DT_H to the rectangle of control $2 of window $1 (Form1 or Form2) in the
# display's pixels in the window's own coordinates: each length in twips / 15, rounded, as the
# program places them, moved by the frame the window draws itself, times the scale. The window's
# own row ($2 = $1) gives the whole window, its frame included.
dt_locate() {
  local row
  row=$(awk -F'\t' -v w="$1" -v c="$2" -v frame="${DT_OWN_FRAME[$1]:-0}" '
    function px(twips) { return int((twips * 2 + 15) / 30) }
    $1 == w { left[$2] = $5; top[$2] = $6; width[$2] = $7; height[$2] = $8; box[$2] = $4 }
    END {
      if (!(c in left)) exit 1
      x = px(left[c]); y = px(top[c]); f = px(frame)
      if (box[c] != "-") { x += px(left[box[c]]); y += px(top[box[c]]) }
      if (c == w) print x, y, px(width[c]) + 2 * f, px(height[c]) + 2 * f
      else print x + f, y + f, px(width[c]), px(height[c])
    }' "$DT_DESIGN") || dt_fatal "no row for $1 $2 in $DT_DESIGN"
  read -r DT_X DT_Y DT_W DT_H <<<"$row"
  DT_X=$((DT_X * DT_SCALE)) DT_Y=$((DT_Y * DT_SCALE))
  DT_W=$((DT_W * DT_SCALE)) DT_H=$((DT_H * DT_SCALE))
}

# Prints the design's size of a window, "WxH" in pixels at scale 1, its own frame included.
dt_design_size() {
  dt_locate "$1" "$1"
  echo "$((DT_W / DT_SCALE))x$((DT_H / DT_SCALE))"
}

# A point of the bare window between Command4 and Command3: the window's own face colour.
dt_gap_x() {
  dt_locate Form1 Command4
  echo $((DT_X + DT_W + 2 * DT_SCALE))
}
dt_gap_y() {
  dt_locate Form1 Command4
  echo $((DT_Y + DT_H / 2))
}

# Clicks a control by its design name in its middle: of the main window, or of the About window
# as About.NAME. Needs the pointer.
dt_click() {
  local window=$DT_WIN form=Form1
  if [[ $1 == About.* ]]; then window=$DT_ABOUT form=Form2; fi
  dt_locate "$form" "${1#About.}"
  drv_click $((DT_X + DT_W / 2)) $((DT_Y + DT_H / 2)) "$window"
}

# ---- reading ----

# The background of a box, just inside its left edge (the numbers are right-aligned).
dt_box_colour() {
  dt_locate Form1 "$1"
  drv_pixel $((DT_X + 4 * DT_SCALE)) $((DT_Y + DT_H / 2)) "$DT_WIN"
}

dt_face() { drv_pixel "$(dt_gap_x)" "$(dt_gap_y)" "$DT_WIN"; }

# shellcheck disable=SC2034 # used by the scenarios
readonly DT_GREEN="0,255,0" DT_YELLOW="255,255,0" DT_RED="255,0,0"

dt_size_is() { [ "$(drv_size "${2:-$DT_WIN}")" = "$1" ]; }
dt_colour_is() { [ -n "$2" ] && [ "$(dt_box_colour "$1")" = "$2" ]; }
dt_clipboard_is() { [ "$(drv_clipboard)" = "$1" ]; }

# Expects a client size written for scale 1, of the main window or of window $2.
dt_expect_size() {
  local width=${1%x*} height=${1#*x} window=${2:-$DT_WIN}
  local expected="$((width * DT_SCALE))x$((height * DT_SCALE))"
  dt_wait_until 3 dt_size_is "$expected" "$window" ||
    dt_check_eq "client size" "$expected" "$(drv_size "$window")"
}

# The main window's client size, expanded as designed and collapsed: Form_Load cuts the window
# to 4185 twips outside, which leaves a client area 252 pixels high.
dt_expanded_size() { dt_design_size Form1; }
dt_collapsed_size() { echo "$(dt_design_size Form1 | cut -dx -f1)x252"; }

# The energy panel's two states as a user tells them apart: the window's height, and Command4's
# caption, "&Muzzle Energy >>" collapsed and "<< &Muzzle Energy" expanded. The caption is read
# from the inside of the button reduced to ink on paper, so that the grey caption of a disabled
# window reads like the black one of an enabled window; the two pictures to compare it with are
# taken at the start by dt_learn_states.
dt_caption_ink() {
  local shot inset=$((4 * DT_SCALE))
  shot=$(drv_shot "caption_$1" "$DT_WIN") || return 1
  dt_locate Form1 Command4
  convert "$shot" -crop "$((DT_W - 2 * inset))x$((DT_H - 2 * inset))+$((DT_X + inset))+$((DT_Y + inset))" \
    +repage -colorspace gray -normalize -threshold 50% "${shot%.png}.ink.png" 2>/dev/null &&
    echo "${shot%.png}.ink.png"
}

# From the start, collapsed: learns both captions, Alt+M between them. Leaves the panel shown.
dt_learn_states() {
  dt_expect_size "$(dt_collapsed_size)"
  DT_INK_collapsed=$(dt_caption_ink collapsed) || dt_fatal "no picture of Command4"
  drv_key alt+m
  dt_expect_size "$(dt_expanded_size)"
  # Pressed by its access key, the button shows so for a moment.
  sleep 0.3
  DT_INK_expanded=$(dt_caption_ink expanded) || dt_fatal "no picture of Command4"
  [ "$(dt_ink_difference "$DT_INK_collapsed" "$DT_INK_expanded")" -gt 20 ] ||
    dt_fatal "the two captions of Command4 look alike"
}

dt_ink_difference() { compare -metric AE "$1" "$2" null: 2>&1; }

# Prints collapsed or expanded: the caption that Command4 shows now is nearer to that state's
# picture, by less than a quarter of the other's difference; prints unclear otherwise.
dt_caption_state() {
  local ink near far
  ink=$(dt_caption_ink "now") || { echo unclear; return; }
  near=$(dt_ink_difference "$ink" "$DT_INK_collapsed")
  far=$(dt_ink_difference "$ink" "$DT_INK_expanded")
  if [ "$((4 * near))" -lt "$far" ]; then
    echo collapsed
  elif [ "$((4 * far))" -lt "$near" ]; then
    echo expanded
  else
    echo unclear
  fi
}

dt_caption_is() { [ "$(dt_caption_state)" = "$1" ]; }

# Expects the main window in state $1 (collapsed or expanded): its height, and Command4's caption
# once no other window of the program covers it.
dt_expect_state() {
  dt_expect_size "$(dt_"$1"_size)"
  [ -z "$(dt_other_windows)" ] || return 0
  dt_wait_until 3 dt_caption_is "$1" ||
    dt_check_eq "state that Command4's caption shows" "$1" "$(dt_caption_state)"
}

dt_expect_colour() {
  dt_wait_until 3 dt_colour_is "$1" "$2" || dt_check_eq "colour of $1" "$2" "$(dt_box_colour "$1")"
}

dt_expect_clipboard() {
  dt_wait_until 3 dt_clipboard_is "$1" || dt_check_eq "clipboard" "$1" "$(drv_clipboard)"
}

# Presses keys N times.
dt_press() {
  local count=$1 keys=()
  while [ "${#keys[@]}" -lt "$count" ]; do keys+=("$2"); done
  drv_key "${keys[@]}"
}

# Expects the text $1 of the focused box, selected and copied by the keys after it. It copies
# again until the text arrives: Alt+A presses its button a moment after the key. A sentinel on the
# clipboard first tells a refused copy from an empty box.
dt_copied_is() {
  drv_key "${@:2}"
  dt_clipboard_is "$1"
}

dt_expect_copied() {
  drv_set_clipboard "(nothing copied $RANDOM)"
  dt_wait_until 3 dt_copied_is "$@" || dt_check_eq "copied text" "$1" "$(drv_clipboard)"
}

# A result box takes Ctrl+A and Ctrl+C.
dt_expect_result() { dt_expect_copied "$1" ctrl+a ctrl+c; }

# A box whose filter refuses those codes is selected from its end with Shift+Home and copied
# with Ctrl+Insert, keys that type no character; its text stays selected.
dt_expect_entry() { dt_expect_copied "$1" End shift+Home ctrl+Insert; }

# ---- the energy road, shared with the scale run ----

# Presses key $2 $1 times to reach Text2 from the focus; types a mass and a velocity, calculates
# with Space on Command5 and copies the energy with Command7, on which the focus ends (five
# shift+Tabs from there reach Text2 again).
dt_energy_of() {
  dt_press "$1" "$2"
  drv_type "$3"
  drv_key Tab
  drv_type "$4"
  drv_key Tab space
  drv_set_clipboard "(nothing copied $RANDOM)"
  drv_key Tab Tab Tab space
}

# Alt+M shows the energy panel; the worked energy, its colour and the copy. Key $2 pressed $1
# times reaches Text2 from the focus: an access key presses its button and leaves the focus.
dt_energy_road() {
  dt_case "energy road: Alt+M shows the panel"
  drv_key alt+m
  dt_expect_size "$(dt_expanded_size)"

  dt_case "energy road: 15 grains at 610 fps -> 12.3967217 on yellow, copied with its unit"
  dt_energy_of "$1" "$2" 15 610
  dt_expect_clipboard "12.3967217 ft/lbs"
  dt_expect_colour Text5 "$DT_YELLOW"
}
