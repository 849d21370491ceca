#!/usr/bin/env bash
# The conversion panel through the X server: calculating forwards and backwards, the key filter
# of Text1, paste, Clear, the Tab order and the access keys.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

dt_conversion_road

dt_case "conversion: letters, blank and signs typed into Text1 are refused"
dt_click Text1 3
dt_key End
dt_type "a -+x,"
dt_expect_box Text1 10

dt_case "conversion: one point goes in, a second is refused"
dt_click Text1 3
dt_key End
dt_type "..5."
dt_expect_box Text1 10.5
dt_click Command2
dt_expect_box Text4 4.767

dt_case "conversion: Text1 takes at most 10 characters"
dt_enter Text1 123456789012
dt_expect_box Text1 1234567890

dt_case "conversion: Backspace is refused, Delete deletes"
dt_enter Text1 10.5
dt_click Text1 3
dt_key End BackSpace BackSpace
dt_expect_box Text1 10.5
dt_click Text1 3
dt_key Home Delete
dt_expect_box Text1 0.5

dt_case "conversion: Clear empties both boxes; Calculate then leaves them empty"
dt_click Command3
dt_expect_box Text1 ""
dt_click Command2
dt_expect_box Text4 ""

dt_case "conversion: Shift+Insert pastes into Text1"
dt_set_clipboard 12.5
dt_click Text1
dt_key shift+Insert
dt_expect_box Text1 12.5
dt_click Command2
dt_expect_box Text4 5.675

dt_case "conversion: Ctrl+A, Ctrl+V and Ctrl+X are refused in Text1"
dt_set_clipboard 99
dt_click Text1 3
dt_key ctrl+a ctrl+v ctrl+x
dt_expect_box Text1 12.5

dt_case "conversion: a pasted word is no number: Calculate keeps the result"
dt_set_clipboard abc
dt_click Text1 3
dt_key shift+Insert
dt_expect_box Text1 abc
dt_click Command2
dt_expect_box Text4 5.675

dt_case "conversion: Tab from the option group stops once at Check1, then Text1"
dt_click Option3
dt_key Tab Tab
dt_type 2
dt_click Command2
dt_expect_box Text4 0.908

dt_case "conversion: Tab from Text1 reaches Command4, which Space presses"
dt_click Text1
dt_key Tab space
dt_expect_size 359x366

dt_case "conversion: Tab from Text2 lands in Text3"
dt_click Text2
dt_key Tab
dt_type 7
dt_expect_box Text3 7
dt_expect_box Text2 0

dt_case "conversion: Alt+M hides and shows the energy panel"
dt_key alt+m
dt_expect_size 359x252
dt_key alt+m
dt_expect_size 359x366

dt_case "conversion: Alt+E calculates the energy"
dt_enter Text2 15
dt_enter Text3 610
dt_key alt+e
dt_expect_box Text5 12.3967217

dt_case "conversion: Alt+C, marked on both Close and Calculate, neither closes nor calculates"
dt_enter Text1 3
dt_key alt+c
dt_wait_until 1 eval '! dt_running' && dt_fail "Alt+C ended the program"
dt_expect_box Text4 0.908

dt_finish
