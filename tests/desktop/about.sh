#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The About window from outside: opening it, the main window shut off meanwhile, the ways it
# closes, and closing the main window while it is open.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

# The About window is the program's other shown window; it has no title to find it by.
about_shown() {
  DT_ABOUT=$(dt_other_windows | head -n 1)
  [ -n "$DT_ABOUT" ] && dt_painted "$DT_ABOUT" 10 10
}
about_gone() { [ -z "$(dt_other_windows)" ]; }

# Twelve Tabs from Option1, which holds the focus at start and again once the About window has
# closed, reach Command8.
open_about() {
  dt_press 12 Tab
  drv_key space
  dt_wait_until 5 about_shown || dt_fatal "no About window appeared"
}

# The window beneath, the main window, gets the focus back.
expect_gone() {
  dt_wait_until 3 about_gone || dt_fatal "$1 did not close the About window"
  drv_refocus "$DT_WIN"
}

dt_case "about: the energy panel shown, Command4's caption and the height agree"
dt_learn_states
dt_expect_state expanded

dt_case "about: Space on Command8 opens a window of the design's size; the main window keeps its height"
open_about
dt_expect_size "$(dt_design_size Form2)" "$DT_ABOUT"
dt_expect_state expanded
# Its picture differs from the bare face beside it.
dt_locate Form2 Image1
picture=$(drv_pixel $((DT_X + DT_W / 2)) $((DT_Y + DT_H / 2)) "$DT_ABOUT")
face=$(drv_pixel $((DT_X - 4 * DT_SCALE)) $((DT_Y + DT_H / 2)) "$DT_ABOUT")
[ -n "$picture" ] && [ "$picture" != "$face" ] || fail "no picture in the About window: [$picture] on [$face]"
dt_can accessible_names && ! drv_accessible_names | grep -q $'\tVelmara icon$' &&
  fail "a screen reader does not hear the picture's name"
# Qt on Wayland has no way to send an empty title.
if dt_can empty_title; then
  title=$(drv_title "$DT_ABOUT") || fail "could not read the title of the About window"
  dt_check_eq "title of the About window" "" "$title"
fi

dt_case "about: Escape leaves it open and the main window as it was; Return closes it"
drv_key Escape
dt_wait_until 0.5 about_gone && fail "Escape closed the About window"
dt_expect_state expanded
# By now it has the keyboard, and shows so on its OK button.
first_shot=$(drv_shot about_first "$DT_ABOUT") || fail "no screenshot"
drv_key Return
expect_gone Return
dt_expect_state expanded

dt_case "about: the main window gets the keys back: Alt+M hides and shows the panel"
drv_key alt+m
dt_expect_state collapsed
drv_key alt+m
dt_expect_state expanded

dt_case "about: while it is open, keys to the main window do nothing"
open_about
drv_focus "$DT_WIN"
drv_key alt+m
dt_wait_until 1 eval '! dt_size_is "$(dt_expanded_size)"' && fail "Alt+M reached the main window"
about_shown || fail "the About window went away"
dt_expect_state expanded

dt_case "about: opened again it looks the same; Space closes it"
drv_focus "$DT_ABOUT"
drv_key space
expect_gone Space
dt_expect_state expanded
open_about
drv_key Escape
dt_wait_until 0.5 about_gone && fail "Escape closed the About window"
second_shot=$(drv_shot about_second "$DT_ABOUT") || fail "no screenshot"
dt_check_eq "pixels that differ between the two openings" 0 \
  "$(compare -metric AE "$first_shot" "$second_shot" null: 2>&1)"
drv_key space
expect_gone Space
dt_expect_state expanded

dt_case "about: Alt+O closes it"
open_about
drv_key alt+o
expect_gone Alt+O
dt_expect_state expanded

if dt_case_if pointer \
  "about: a click on the disabled main window leaves the About window active"; then
  open_about
  dt_click Command4
  dt_expect_state expanded
  drv_key Return
  expect_gone Return
  dt_expect_state expanded
fi

if dt_case_if pointer "about: a click on OK closes it"; then
  open_about
  dt_click About.Command1
  expect_gone "A click on OK"
  dt_expect_state expanded
fi

# The user cannot move a Windows window without a title bar: moved from outside, it goes back
# over the middle of the main window. The same mends the place that Wine now and then records
# wrongly for a window that openbox is still framing, where clicks would miss OK.
if dt_case_if "move pointer" \
  "about: moved by the window manager, it goes back to its place and takes a click on OK"; then
  open_about
  opened=$(drv_place "$DT_ABOUT")
  drv_move "$DT_ABOUT" 0 0
  dt_wait_until 3 eval '[ "$(drv_place "$DT_ABOUT")" = "$opened" ]' ||
    dt_check_eq "place of the About window" "$opened" "$(drv_place "$DT_ABOUT")"
  dt_click About.Command1
  expect_gone "A click on OK"
  dt_expect_state expanded
fi

dt_case "about: a height the user gave the main window stays through the About window"
drv_user_height "$DT_WIN" 300
dt_wait_until 3 eval '! dt_size_is "$(dt_expanded_size)"' || fail "the main window kept its height"
dragged=$(drv_size "$DT_WIN")
open_about
dt_expect_size "$dragged"
drv_key Return
expect_gone Return
dt_expect_size "$dragged"
drv_key alt+m
dt_expect_state collapsed
drv_key alt+m
dt_expect_state expanded

dt_case "about: closed as the window manager does, it gives the main window back"
open_about
drv_close "$DT_ABOUT" || fail "could not ask the About window to close"
expect_gone "The window manager's close"
dt_expect_state expanded
drv_key alt+m
dt_expect_state collapsed

dt_case "about: opened with the panel hidden, the main window stays collapsed"
open_about
dt_expect_state collapsed
drv_key Return
expect_gone Return
dt_expect_state collapsed

dt_case "about: closing the main window while it is open ends the program"
drv_key alt+m
dt_expect_state expanded
open_about
dt_expect_state expanded
drv_close "$DT_WIN" || fail "could not ask the main window to close"
dt_expect_exit

dt_finish
