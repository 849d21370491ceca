#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starting and ending the program: its window, its size, and the ways out.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin

dt_case "start-up: a window named Velmara, collapsed to its conversion panel"
dt_start
dt_expect_size "$(dt_collapsed_size)"

# Windows names a box by the label before it, which here is a unit; the boxes and the table
# carry names of their own for a screen reader, and the other controls keep their captions.
if dt_case_if accessible_names \
  "start-up: a screen reader hears the names of the boxes and the table"; then
  names=$(drv_accessible_names) || fail "no window of the program to read"
  missing=()
  for line in $'text\tValue to convert' $'text\tConverted value' $'text\tPellet mass' \
    $'text\tPellet velocity' $'text\tMuzzle energy' $'\tTable of equivalences' \
    $'\tReverse Conversion' $'\tCopy To Clipboard'; do
    grep -q -- "$line\$" <<<"$names" || missing+=("[${line/$'\t'/ }]")
  done
  [ ${#missing[@]} -eq 0 ] ||
    fail "no control read as ${missing[*]}; read: $(tr '\t\n' ' ;' <<<"$names")"
fi

dt_case "start-up: six Tabs from Option1 reach Close; Space ends the program with status 0"
dt_press 6 Tab
drv_key space
dt_expect_exit

dt_case "start-up: closing the window as the window manager does ends the program"
dt_start
drv_close "$DT_WIN" || fail "could not ask the window to close"
dt_expect_exit

dt_finish
