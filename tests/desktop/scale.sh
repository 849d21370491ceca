#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The energy road at twice the size (QT_SCALE_FACTOR=2): the window's sizes and the places of its
# painted colours double.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
DT_SCALE=2

dt_case "scale: the window is twice its size at scale 2"
dt_start QT_SCALE_FACTOR=2
dt_expect_size "$(dt_collapsed_size)"

dt_energy_road 8 Tab

dt_finish
