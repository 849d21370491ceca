#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starting and ending the program: its window, its size, and the ways out.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin

dt_case "start-up: a window named Velmara, collapsed to its conversion panel"
dt_start
dt_expect_size "$(dt_collapsed_size)"

dt_case "start-up: six Tabs from Option1 reach Close; Space ends the program with status 0"
dt_press 6 Tab
drv_key space
dt_expect_exit

dt_case "start-up: closing the window as the window manager does ends the program"
dt_start
drv_close "$DT_WIN" || fail "could not ask the window to close"
dt_expect_exit

dt_finish
