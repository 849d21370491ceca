#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The energy road at twice the size (QT_SCALE_FACTOR=2, or 192 DPI under Wine): the window's
# sizes and the places of its painted colours double.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
DT_SCALE=2

dt_case "scale: the window is twice its size at scale 2"
dt_start QT_SCALE_FACTOR=2
dt_expect_size "$(dt_collapsed_size)"

dt_energy_road 8 Tab

# Wine takes the prefix's resolution: at 120 DPI a pixel is 12 twips, and the design's lengths
# round to the nearest pixel (5385 twips wide is 449, 3780 high is 315, 5490 is 458).
if dt_case_if dpi "scale: at 120 DPI the window is 449x315, and 449x458 with the energy panel"; then
  drv_close "$DT_WIN" || fail "could not ask the window to close"
  dt_expect_exit
  DT_SCALE=1
  dt_start DT_SCALE=1.25
  dt_wait_until 3 dt_size_is 449x315 || dt_check_eq "client size" 449x315 "$(drv_size "$DT_WIN")"
  drv_key alt+m
  dt_wait_until 3 dt_size_is 449x458 || dt_check_eq "client size" 449x458 "$(drv_size "$DT_WIN")"
fi

dt_finish
