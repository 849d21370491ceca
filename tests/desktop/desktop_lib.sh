# Drives the real program on a private X display from outside, as a user does: clicks at the
# places of the window designs, keys through the X server, boxes read back through the X
# selections, colours from screenshots. Source it with the program's path as the first argument.
# Every check belongs to a named case; dt_finish prints the tally and gives the exit status.

DT_PROGRAM=${1:?usage: $0 PATH-TO-VELMARA}
DT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
DT_SHOTS=${VELMARA_SHOTS:-$PWD}
DT_WM_DELETE=${VELMARA_WM_DELETE:-}
DT_NAME=$(basename "$0" .sh)
DT_SCALE=1
DT_PID=""
DT_WIN=""

# shellcheck source=../../scripts/lib.sh
source "$DT_DIR/../../scripts/lib.sh"

# Places in twips as the designs give them: left top width height [container]. Controls in a
# frame count from the frame's top-left corner; the About window's controls sit inside its own
# 45-twip frame.
declare -A DT_PLACE=(
  [Frame1]="120 120 2655 3180"
  [Option1]="120 240 2055 255 Frame1"
  [Option2]="120 480 2055 255 Frame1"
  [Option3]="120 720 1935 255 Frame1"
  [Option4]="120 960 1815 255 Frame1"
  [Option5]="120 1200 1935 255 Frame1"
  [Option6]="120 1440 2415 255 Frame1"
  [Option7]="120 1680 2415 255 Frame1"
  [Option8]="120 1920 2295 255 Frame1"
  [Option9]="120 2160 2055 255 Frame1"
  [Option10]="120 2400 1575 255 Frame1"
  [Check1]="120 2860 2415 255 Frame1"
  [Text1]="2880 2640 1695 285"
  [Text4]="2880 3000 1695 285"
  [Frame2]="2880 120 2415 2415"
  [Label1]="120 360 2175 1995 Frame2"
  [Command4]="120 3360 1695 375"
  [Command3]="1920 3360 855 375"
  [Command2]="2880 3360 1215 375"
  [Command1]="4200 3360 1095 375"
  [Frame3]="120 3840 2655 615"
  [Option11]="120 240 2175 255 Frame3"
  [Option12]="1680 240 855 255 Frame3"
  [Text2]="3480 3960 1095 285"
  [Text3]="3480 4320 1095 285"
  [Text5]="3480 4680 1095 285"
  [Command5]="120 4560 1695 375"
  [Command6]="1920 4560 855 375"
  [Command7]="2880 5040 2415 375"
  [Command8]="120 5040 2655 375"
  [About]="45 45 4680 2490"
  [About.Command1]="1800 2040 975 375 About"
)

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

dt_fail() {
  printf '      %s\n' "$*"
  DT_CASE_BAD=1
}

dt_check_eq() {
  local what=$1 expected=$2 actual=$3
  [ "$actual" = "$expected" ] || dt_fail "$what: expected [$expected], got [$actual]"
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
  dt_fail "$*"
  dt_finish
  exit 1
}

# Polls a command until it succeeds or the deadline passes (seconds, fractions allowed).
dt_wait_until() {
  local seconds=$1
  shift
  local whole=${seconds%%.*} fraction
  fraction=${seconds#"$whole"}
  fraction=${fraction#.}000
  local deadline=$(($(date +%s%3N) + ${whole:-0} * 1000 + 10#${fraction:0:3}))
  while :; do
    "$@" && return 0
    [ "$(date +%s%3N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# ---- display and program ----

dt_cleanup() {
  if [ -n "$DT_PID" ] && dt_running; then kill "$DT_PID" 2>/dev/null; fi
  velmara_stop_xvfb
  [ -n "${DT_RUNTIME:-}" ] && rm -rf "$DT_RUNTIME"
}

# Checks the tools, starts the private display and sets a known environment for the program.
dt_begin() {
  local tool
  for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/test installs it)"
      exit 77
    fi
  done
  for tool in xwininfo xclip import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: install it" >&2; exit 1; }
  done
  [ -x "$DT_PROGRAM" ] || { echo "no program at $DT_PROGRAM" >&2; exit 1; }
  mkdir -p "$DT_SHOTS"
  DT_LOG="$DT_SHOTS/desktop_$DT_NAME.log"
  : >"$DT_LOG"
  DT_RUNTIME=$(mktemp -d)
  trap dt_cleanup EXIT
  velmara_start_xvfb || exit 1
  export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$DT_RUNTIME LC_ALL=C.UTF-8
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI \
    QT_STYLE_OVERRIDE
}

dt_running() {
  local state
  state=$(awk '{print $3}' "/proc/$DT_PID/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# Starts the program with extra VAR=value settings, waits for its window to be shown and
# painted. Sets DT_PID and DT_WIN.
# shellcheck disable=SC2120 # the settings are optional
dt_start() {
  env "$@" "$DT_PROGRAM" >>"$DT_LOG" 2>&1 &
  DT_PID=$!
  DT_WIN=$(velmara_wait_window Velmara 20) || dt_fatal "no window named Velmara appeared"
  dt_wait_until 5 dt_painted || dt_fatal "the window was never painted"
  dt_park
}

# A window that is mapped but not yet painted is black.
dt_painted() {
  local colour
  colour=$(dt_pixel "${2:-$(dt_gap_x)}" "${3:-$(dt_gap_y)}" "${1:-$DT_WIN}")
  [ -n "$colour" ] && [ "$colour" != "0,0,0" ]
}

# Waits for the program to end by itself; its exit status must be 0.
dt_expect_exit() {
  if ! dt_wait_until 5 eval '! dt_running'; then
    dt_fail "the program is still running"
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

dt_wm_delete() {
  [ -x "$DT_WM_DELETE" ] || dt_fatal "VELMARA_WM_DELETE does not name the wm_delete helper"
  "$DT_WM_DELETE" "$1" || dt_fail "could not send WM_DELETE_WINDOW to $1"
}

# ---- places ----

# Sets DT_X DT_Y DT_W DT_H to the rectangle of a design name, in the display's pixels in window
# coordinates: each length in twips / 15, rounded, as the program places them, times the scale.
dt_locate() {
  local name=$1 left top width height container x=0 y=0
  [ -n "${DT_PLACE[$name]:-}" ] || dt_fatal "no design place for $name"
  read -r left top width height container <<<"${DT_PLACE[$name]}"
  if [ -n "$container" ]; then
    dt_locate "$container"
    x=$((DT_X / DT_SCALE))
    y=$((DT_Y / DT_SCALE))
  fi
  DT_X=$(((x + (left * 2 + 15) / 30) * DT_SCALE))
  DT_Y=$(((y + (top * 2 + 15) / 30) * DT_SCALE))
  # shellcheck disable=SC2017 # rounded to whole pixels first, as the program does, then scaled
  DT_W=$(((width * 2 + 15) / 30 * DT_SCALE))
  # shellcheck disable=SC2017
  DT_H=$(((height * 2 + 15) / 30 * DT_SCALE))
}

# Sets DT_PX DT_PY to a point of a design name: its centre, or $2 pixels (before scaling) in
# from its left edge at half height.
dt_point() {
  dt_locate "$1"
  if [ -n "${2:-}" ]; then
    DT_PX=$((DT_X + $2 * DT_SCALE))
  else
    DT_PX=$((DT_X + DT_W / 2))
  fi
  DT_PY=$((DT_Y + DT_H / 2))
}

# A point of the bare window between Command4 and Command3: the window's own face colour.
dt_gap_x() { echo $((124 * DT_SCALE)); }
dt_gap_y() { echo $((236 * DT_SCALE)); }

# Where the pointer rests between actions: on the table text, which has no tooltip, so that no
# tooltip covers a box that is about to be read or photographed. It stays inside the window:
# without a window manager the keyboard follows the pointer once no window holds the focus.
dt_park_args() {
  dt_point Label1
  DT_PARK=(mousemove --window "$DT_WIN" "$DT_PX" "$DT_PY")
}

dt_park() {
  dt_park_args
  xdotool "${DT_PARK[@]}" 2>/dev/null
}

# ---- input ----

# Clicks a control by its design name, once or $2 times (a triple click selects a box's text),
# then rests the pointer and presses the keys that follow, if any.
dt_click() {
  local name=$1 count=${2:-1} window=$DT_WIN
  shift $(($# < 2 ? $# : 2))
  [[ $name == About.* ]] && window=$DT_ABOUT
  dt_park_args
  dt_point "$name"
  local keys=()
  [ $# -eq 0 ] || keys=(key --delay 25 "$@")
  xdotool mousemove --window "$window" "$DT_PX" "$DT_PY" click --repeat "$count" --delay 40 1 \
    "${DT_PARK[@]}" "${keys[@]}" 2>/dev/null
}

dt_type() { xdotool type --delay 25 -- "$1"; }

dt_key() { xdotool key --delay 25 -- "$@"; }

# Puts a text on the clipboard as another program would.
dt_set_clipboard() {
  printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
}

# Replaces the text of a number box by typing: select it all with a triple click, then type.
dt_enter() {
  dt_click "$1" 3
  dt_type "$2"
}

# ---- reading ----

# Prints a box's text. The three number boxes refuse Ctrl+C, so their selection is read from
# the PRIMARY selection that a mouse selection sets; the result boxes are copied with Ctrl+C.
dt_read_box() {
  local name=$1 selection=clipboard
  case $name in Text1 | Text2 | Text3) selection=primary ;; esac
  local sentinel="(nothing selected $RANDOM)"
  printf '%s' "$sentinel" | xclip -selection "$selection" -i >/dev/null 2>&1
  if [ "$selection" = clipboard ]; then
    dt_click "$name" 3 ctrl+c
  else
    dt_click "$name" 3
  fi
  # An empty box selects nothing and so never replaces the sentinel; the program answers a
  # selection within milliseconds, so half a second without an answer means an empty box.
  dt_wait_until 0.5 dt_selection_differs "$selection" "$sentinel" && printf '%s' "$DT_SELECTION"
}

dt_selection_differs() {
  DT_SELECTION=$(xclip -selection "$1" -o 2>/dev/null)
  [ "$DT_SELECTION" != "$2" ]
}

dt_clipboard() { xclip -selection clipboard -o 2>/dev/null; }

# Prints "r,g,b" of a pixel of the main window, or of window $3, in window coordinates.
dt_pixel() {
  local line
  line=$(import -window "${3:-$DT_WIN}" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n 1)
  [[ $line =~ \(([0-9]+),([0-9]+),([0-9]+) ]] &&
    echo "${BASH_REMATCH[1]},${BASH_REMATCH[2]},${BASH_REMATCH[3]}"
}

# The background of a box, just inside its left edge (the numbers are right-aligned).
dt_box_colour() {
  dt_point "$1" 4
  dt_pixel "$DT_PX" "$DT_PY"
}

dt_size() {
  xwininfo -id "${1:-$DT_WIN}" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'
}

# The shown windows of the program other than the main window.
dt_other_windows() {
  xdotool search --onlyvisible --pid "$DT_PID" 2>/dev/null | grep -vx "$DT_WIN"
}

# Every shown window on the display but its root.
dt_shown_windows() {
  local root
  root=$(printf '%d' "$(xwininfo -root | awk '/Window id:/ {print $4}')")
  xdotool search --onlyvisible --name '' 2>/dev/null | grep -vx "$root"
}

dt_shot() {
  import -window "${2:-$DT_WIN}" "$DT_SHOTS/desktop_$1.png" 2>/dev/null ||
    dt_fail "could not take the screenshot $1"
}

# ---- expectations that wait ----

dt_box_is() { [ "$(dt_read_box "$1")" = "$2" ]; }
dt_size_is() { [ "$(dt_size "${2:-}")" = "$1" ]; }
dt_colour_is() { [ -n "$2" ] && [ "$(dt_box_colour "$1")" = "$2" ]; }
dt_clipboard_is() { [ "$(dt_clipboard)" = "$1" ]; }

dt_expect_box() {
  dt_wait_until 3 dt_box_is "$1" "$2" || dt_check_eq "$1" "$2" "$(dt_read_box "$1")"
}

# Expects a client size written for scale 1, of the main window or of window $2; it is
# multiplied by the scale in force.
dt_expect_size() {
  local width=${1%x*} height=${1#*x} window=${2:-$DT_WIN}
  local expected="$((width * DT_SCALE))x$((height * DT_SCALE))"
  dt_wait_until 3 dt_size_is "$expected" "$window" ||
    dt_check_eq "client size" "$expected" "$(dt_size "$window")"
}

dt_expect_colour() {
  dt_wait_until 3 dt_colour_is "$1" "$2" || dt_check_eq "colour of $1" "$2" "$(dt_box_colour "$1")"
}

dt_expect_clipboard() {
  dt_wait_until 3 dt_clipboard_is "$1" || dt_check_eq "clipboard" "$1" "$(dt_clipboard)"
}

# The window's own face colour, which the button-face colour of a box must equal.
dt_face() { dt_pixel "$(dt_gap_x)" "$(dt_gap_y)"; }

# shellcheck disable=SC2034 # used by the scripts that source this file
readonly DT_GREEN="0,255,0" DT_YELLOW="255,255,0" DT_RED="255,0,0"

# ---- the two main roads, shared by the locale and scale runs ----

# Pounds to kilograms, forwards and backwards.
dt_conversion_road() {
  dt_case "conversion road: Pounds - Kilograms, 10 -> 4.54"
  dt_click Option3
  dt_enter Text1 10
  dt_click Command2
  dt_expect_box Text4 4.54

  dt_case "conversion road: Reverse Conversion, 10 -> 22.0264317180617"
  dt_click Check1
  dt_click Command2
  dt_expect_box Text4 22.0264317180617
  dt_click Check1
}

# The worked energies: a value, its colour and the copy.
dt_energy_road() {
  dt_case "energy road: expand to show the panel"
  dt_click Command4
  dt_expect_size 359x366

  dt_case "energy road: 15 grains at 610 fps -> 12.3967217 on yellow"
  dt_click Command6
  dt_enter Text2 15
  dt_enter Text3 610
  dt_click Command5
  dt_expect_colour Text5 "$DT_YELLOW"
  dt_expect_box Text5 12.3967217

  dt_case "energy road: 8.44 grains at 800 fps -> 11.9971570 on button face"
  dt_enter Text2 8.44
  dt_enter Text3 800
  dt_click Command5
  dt_expect_colour Text5 "$(dt_face)"
  dt_expect_box Text5 11.9971570

  dt_case "energy road: Joules, 1 gram at 178 m/s -> 15.842 on yellow, copied with its unit"
  dt_click Option12
  dt_enter Text2 1
  dt_enter Text3 178
  dt_click Command5
  dt_expect_colour Text5 "$DT_YELLOW"
  dt_expect_box Text5 15.842
  dt_click Command7
  dt_expect_clipboard "15.842 Joules"
}
