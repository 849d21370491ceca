#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The muzzle energy panel from outside: the window's two heights, the energy's painted band
# colours and its copy on the system clipboard.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

dt_energy_road 8 Tab

dt_case "energy: 15 grains at 700 fps -> 16.3246268, cut to ten characters, on red"
dt_energy_of 5 shift+Tab 15 700
dt_expect_clipboard "16.3246268 ft/lbs"
dt_expect_colour Text5 "$DT_RED"

dt_case "energy: 10 grains at 500 fps -> 5.55259417 on green"
dt_energy_of 5 shift+Tab 10 500
dt_expect_clipboard "5.55259417 ft/lbs"
dt_expect_colour Text5 "$DT_GREEN"

# Only another Windows program can keep the clipboard from Copy: an X or Wayland clipboard goes to
# whoever asks for it last.
if dt_case_if clipboard_holder \
  "energy: Copy with the clipboard held by another program changes nothing; Copy again works"; then
  held="(held $RANDOM)"
  drv_set_clipboard "$held"
  dt_expect_clipboard "$held"
  if drv_hold_clipboard; then
    drv_key space
    sleep 1
    dt_running || fail "the program ended"
    dt_expect_size "$(dt_expanded_size)"
    dt_expect_colour Text5 "$DT_GREEN"
    drv_release_clipboard || fail "the holder did not let the clipboard go"
    dt_expect_clipboard "$held"
    drv_key space
    dt_expect_clipboard "5.55259417 ft/lbs"
  else
    fail "another program could not hold the clipboard"
  fi
fi

dt_case "energy: Clear paints the energy box in the window's face colour"
drv_key shift+Tab shift+Tab space
dt_expect_colour Text5 "$(dt_face)"

dt_case "energy: Alt+M hides the panel again and shows it again"
drv_key alt+m
dt_expect_size "$(dt_collapsed_size)"
drv_key alt+m
dt_expect_size "$(dt_expanded_size)"

dt_finish
