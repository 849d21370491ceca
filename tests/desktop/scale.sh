#!/usr/bin/env bash
# The two main roads at twice the size (QT_SCALE_FACTOR=2): every place doubles.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
DT_SCALE=2

dt_case "scale: the window is 718x504 at scale 2"
dt_start QT_SCALE_FACTOR=2
dt_expect_size 359x252
dt_shot scale2

dt_conversion_road
dt_energy_road
dt_shot scale2_expanded

dt_finish
