#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two main roads at twice the size (QT_SCALE_FACTOR=2): every size and place doubles.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
DT_SCALE=2

dt_case "scale: the window is twice its size at scale 2"
dt_start QT_SCALE_FACTOR=2
dt_expect_size "$(dt_collapsed_size)"

dt_conversion_road
dt_energy_road 6 shift+Tab
drv_shot scale2_expanded "$DT_WIN" >/dev/null || fail "no screenshot"

dt_finish
