#!/usr/bin/env bash
# The muzzle energy panel through the X server: showing it, the worked energies and their band
# colours in both unit systems, failed calculations, Clear and Copy To Clipboard.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

# Clears the panel, types a mass and a velocity and calculates.
energy_of() {
  dt_click Command6
  dt_enter Text2 "$1"
  dt_enter Text3 "$2"
  dt_click Command5
}

dt_case "energy: Command4 shows the panel: client 359x366"
dt_click Command4
dt_expect_size 359x366
dt_shot energy_expanded

dt_case "energy: 15 grains at 610 fps -> 12.3967217 on yellow"
energy_of 15 610
dt_expect_colour Text5 "$DT_YELLOW"
dt_expect_box Text5 12.3967217

dt_case "energy: 10 grains at 500 fps -> 5.55259417 on green"
energy_of 10 500
dt_expect_colour Text5 "$DT_GREEN"
dt_expect_box Text5 5.55259417

dt_case "energy: 15 grains at 700 fps -> 16.3246268 (cut) on red; copied with its unit"
energy_of 15 700
dt_expect_colour Text5 "$DT_RED"
dt_shot energy_red
dt_expect_box Text5 16.3246268
dt_click Command7
dt_expect_clipboard "16.3246268 ft/lbs"

dt_case "energy: after a red energy, Clear sets the three boxes to 0 and the energy box to button face"
dt_click Command6
dt_expect_box Text2 0
dt_expect_box Text3 0
dt_expect_colour Text5 "$(dt_face)"
dt_expect_box Text5 0

dt_case "energy: 8.44 grains at 800 fps -> 11.9971570, between bands: button face, not yellow"
energy_of 15 610
dt_expect_colour Text5 "$DT_YELLOW"
dt_enter Text2 8.44
dt_enter Text3 800
dt_click Command5
dt_expect_colour Text5 "$(dt_face)"
dt_expect_box Text5 11.9971570

dt_case "energy: 8.04 grains at 840 fps -> 12.6 on red, the band taken from the text"
energy_of 8.04 840
dt_expect_colour Text5 "$DT_RED"
dt_expect_box Text5 12.6

dt_case "energy: an emptied mass box empties the energy box on button face"
dt_click Text2 3
dt_key Delete
dt_expect_box Text2 ""
dt_click Command5
dt_expect_colour Text5 "$(dt_face)"
dt_expect_box Text5 ""

dt_case "energy: a velocity of . alone fails the same way"
energy_of 15 610
dt_expect_colour Text5 "$DT_YELLOW"
dt_enter Text3 .
dt_click Command5
dt_expect_colour Text5 "$(dt_face)"
dt_expect_box Text5 ""

dt_case "energy: Joules: 0.5 grams at 250 m/s -> 15.625 on green"
dt_click Option12
energy_of 0.5 250
dt_expect_colour Text5 "$DT_GREEN"
dt_expect_box Text5 15.625

dt_case "energy: Joules: 1 gram at 178 m/s -> 15.842 on yellow"
energy_of 1 178
dt_expect_colour Text5 "$DT_YELLOW"
dt_expect_box Text5 15.842

dt_case "energy: Joules: 1 gram at 200 m/s -> 20 on red; copied as 20 Joules"
energy_of 1 200
dt_expect_colour Text5 "$DT_RED"
dt_expect_box Text5 20
dt_click Command7
dt_expect_clipboard "20 Joules"

dt_case "energy: choosing Foot / Pounds changes the unit only; the energy keeps number and colour"
dt_click Option11
dt_expect_colour Text5 "$DT_RED"
dt_expect_box Text5 20
dt_click Command7
dt_expect_clipboard "20 ft/lbs"

dt_case "energy: Command4 again hides the panel, which keeps its values"
dt_click Command4
dt_expect_size 359x252
dt_click Command4
dt_expect_size 359x366
dt_expect_colour Text5 "$DT_RED"
dt_expect_box Text5 20

dt_finish
