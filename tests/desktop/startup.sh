#!/usr/bin/env bash
# Starting and ending the program: its window, its size and first state, and the two ways out.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin

dt_case "start-up: a window named Velmara with a client area of 359x252"
dt_start
dt_expect_size 359x252
dt_shot startup

dt_case "start-up: the focus is on Option1; two Tabs reach Text1 and typing replaces its 0"
dt_key Tab Tab
dt_type 7
dt_click Command2
dt_expect_box Text4 9.4906
dt_expect_box Text1 7

dt_case "start-up: Close ends the program"
dt_click Command1
dt_expect_exit

dt_case "start-up: WM_DELETE_WINDOW, as from a window manager, ends the program"
dt_start
dt_wm_delete "$DT_WIN"
dt_expect_exit

dt_finish
