#!/usr/bin/env bash
# The About window through the X server: opening it, the main window shut off meanwhile, the
# ways it closes, and closing the main window while it is open.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

# The About window is the program's other shown window; it has no title to find it by.
about_shown() {
  DT_ABOUT=$(dt_other_windows | head -n 1)
  [ -n "$DT_ABOUT" ] && dt_painted "$DT_ABOUT" 10 10
}
about_gone() { [ -z "$(dt_other_windows)" ]; }

open_about() {
  dt_click Command8
  dt_wait_until 5 about_shown || dt_fatal "no About window appeared"
}

# Closes it with its OK button whatever state a failed check left it in.
close_about() {
  about_gone && return
  dt_click About.Command1
  dt_wait_until 3 about_gone || dt_fatal "the OK button did not close the About window"
}

dt_click Command4
dt_expect_size 359x366

dt_case "about: Command8 opens a frameless 318x172 window with an empty title"
open_about
dt_expect_size 318x172 "$DT_ABOUT"
dt_check_eq "title of the About window" "" "$(xdotool getwindowname "$DT_ABOUT" 2>/dev/null)"
import -window root -crop 400x400+0+0 "$DT_SHOTS/desktop_about.png" 2>/dev/null
dt_shot about_window "$DT_ABOUT"

dt_case "about: Escape leaves it open; Return closes it"
dt_key Escape
dt_wait_until 0.5 about_gone && dt_fail "Escape closed the About window"
dt_key Return
dt_wait_until 3 about_gone || dt_fail "Return did not close the About window"
close_about

dt_case "about: its OK button closes it"
open_about
dt_click About.Command1
dt_wait_until 3 about_gone || dt_fail "a click on OK did not close the About window"
close_about

dt_case "about: while it is open, clicks and keys on the main window do nothing"
open_about
dt_click Command4
dt_click Command1
dt_key alt+m
dt_wait_until 1 eval '! dt_running' && dt_fatal "a click on Close ended the program"
dt_check_eq "main window's size" 359x366 "$(dt_size)"
about_shown || dt_fail "the About window went away"

dt_case "about: a click on the main window leaves the About window active: Return closes it"
dt_key Return
dt_wait_until 3 about_gone || dt_fail "Return did not close the About window"
close_about

dt_case "about: afterwards the main window takes clicks and keys again"
dt_click Command4
dt_expect_size 359x252
dt_click Command4
dt_expect_size 359x366
dt_click Command6
dt_enter Text2 10
dt_enter Text3 500
dt_click Command5
dt_expect_box Text5 5.55259417

dt_case "about: opened again it looks the same; Space closes it"
open_about
dt_shot about_again "$DT_ABOUT"
differing=$(compare -metric AE "$DT_SHOTS/desktop_about_window.png" \
  "$DT_SHOTS/desktop_about_again.png" null: 2>&1)
dt_check_eq "pixels that differ between the two openings" 0 "$differing"
dt_key space
dt_wait_until 3 about_gone || dt_fail "Space did not close the About window"
close_about

dt_case "about: WM_DELETE_WINDOW closes it and gives the main window back"
open_about
dt_wm_delete "$DT_ABOUT"
dt_wait_until 3 about_gone || dt_fail "WM_DELETE_WINDOW did not close the About window"
close_about
dt_click Command6
dt_enter Text2 15
dt_enter Text3 610
dt_click Command5
dt_expect_box Text5 12.3967217

dt_case "about: WM_DELETE_WINDOW to the main window while it is open ends the program"
open_about
dt_wm_delete "$DT_WIN"
dt_expect_exit
dt_check_eq "windows left on the display" "" "$(dt_shown_windows)"

dt_finish
