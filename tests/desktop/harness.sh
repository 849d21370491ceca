#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The harness itself, without a display: every driver keeps to the list of functions in
# desktop_lib.sh, a driver that does not is refused, and the one wait of the scripts and tests
# keeps its deadline.
source "$(dirname "$0")/desktop_lib.sh" x11 /bin/true

# Prints the faults dt_begin would find in driver $1 after running the shell code $2.
faults_of() {
  bash -c 'source "$1" "$2" /bin/true; eval "$3"; dt_driver_faults' faults \
    "$DT_DIR/desktop_lib.sh" "$1" "${2:-:}" 2>&1
}

dt_case "harness: each driver defines every function, those of the capabilities it lists, no other"
for driver in x11 wayland wine; do
  dt_check_eq "faults of the $driver driver" "" "$(faults_of "$driver")"
done

dt_case "harness: a driver that breaks the list is refused, saying how"
while IFS='|' read -r driver breach expected; do
  dt_check_eq "$breach on $driver" "$expected" "$(faults_of "$driver" "$breach")"
done <<'EOF'
x11|unset -f drv_title|no drv_title
wayland|unset -f drv_user_height|no drv_user_height
wine|unset -f drv_release_clipboard|no drv_release_clipboard
wayland|drv_click() { :; }|drv_click, of no capability it lists
x11|drv_move() { :; }|drv_move, of no capability it lists
wine|drv_helper() { :; }|drv_helper, of no capability it lists
wayland|DRV_CAN+=(pointer)|no drv_click
x11|DRV_CAN+=(teleport)|unknown capability teleport
EOF

dt_case "harness: dt_can answers for the capabilities listed, a name alone"
DRV_CAN=(pointer empty_title)
while read -r name expected; do
  answer=no
  dt_can "$name" && answer=yes
  dt_check_eq "dt_can $name" "$expected" "$answer"
done <<'EOF'
pointer yes
empty_title yes
empty no
move no
EOF

# Succeeds on its third call; counts the calls in the file $1.
third_time() {
  echo >>"$1"
  [ "$(wc -l <"$1")" -ge 3 ]
}

dt_case "harness: a wait ends once its command succeeds, and fails at its deadline, fractions too"
calls=$(mktemp)
velmara_wait_until 5 third_time "$calls" || fail "the wait gave up on a command that succeeded"
dt_check_eq "calls until the command succeeded" 3 "$(wc -l <"$calls")"
rm -f "$calls"
while read -r seconds least most; do
  start=$(date +%s%3N)
  velmara_wait_until "$seconds" false && fail "a wait of $seconds s for false succeeded"
  waited=$(($(date +%s%3N) - start))
  [ "$waited" -ge "$least" ] && [ "$waited" -lt "$most" ] ||
    fail "a wait of $seconds s for false took $waited ms"
done <<'EOF'
0 0 1000
0.3 300 1500
1.25 1250 2500
EOF

dt_finish
