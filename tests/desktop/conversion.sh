#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The conversion panel from outside: typed keys as the display server sends them, the system
# clipboard pasted into Text1, the access keys of Calculate, Text1's text selected by Tab and
# its ten characters, and the arrow keys in the option groups.
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin
dt_start

# From the start: two Tabs reach Text1, whose 0 typing replaces; the keys go through the filter,
# which keeps 7.5 and refuses Backspace; three Tabs reach Calculate, nine more Text4, where the
# focus stays.
dt_case "conversion: \"a -7..5x\" and Backspace typed into Text1; Space on Calculate -> 10.1685"
drv_key Tab Tab
drv_type "a -7..5x"
drv_key BackSpace Tab Tab Tab space
dt_press 9 Tab
dt_expect_result 10.1685

dt_case "conversion: Shift+Insert pastes the clipboard into Text1; Alt+A calculates -> 16.9475"
drv_set_clipboard 12.5
drv_key Tab Tab Tab Tab shift+Insert alt+a shift+Tab shift+Tab shift+Tab shift+Tab
dt_expect_result 16.9475

# The ambiguous key moves the focus to one of its two buttons, so the result is read back by
# clicking into Text4.
if dt_case_if pointer \
  "conversion: Alt+C, marked on both Close and Calculate, neither closes nor calculates"; then
  drv_key Tab Tab Tab Tab
  drv_type 3
  drv_key alt+c
  dt_wait_until 1 eval '! dt_running' && dt_fatal "Alt+C ended the program"
  dt_click Text4
  dt_expect_result 16.9475
fi

# Four Tabs from Text4 reach Text1. A box the keyboard reaches by Tab or Shift+Tab has its whole
# text selected, whatever it held and wherever its cursor was.
drv_key Tab Tab Tab Tab
while read -r -u 3 away back; do
  dt_case "conversion: Text1 left by $away, reached by $back: 7 typed replaces its text"
  drv_key End
  drv_type 25
  drv_key "$away" "$back"
  drv_type 7
  dt_expect_entry 7
done 3<<'EOF'
Tab shift+Tab
shift+Tab Tab
EOF

dt_case "conversion: Text1 keeps ten of twelve digits typed"
drv_type 123456789012
dt_expect_entry 1234567890

# With 1 typed over the text that the copy left selected in Text1, each conversion gives its own
# factor; Foot / Pounds and Joules give the copied energy their own unit. The rows follow on,
# each from where the one before left its group's choice, which is that group's Tab stop; seven
# Tabs go on from the Conversions group to the Energy Measurement group.
declare -A shows=([Option1]=1.3558 [Option2]=0.0648 [Option3]=0.454 [Option4]=16
  [Option5]=7000 [Option6]=0.305 [Option7]=2.54 [Option8]=0.3048 [Option9]=0.9144
  [Option10]=5280 [Option11]="0 ft/lbs" [Option12]="0 Joules")
drv_type 1
drv_key shift+Tab shift+Tab alt+m
dt_expect_size "$(dt_expanded_size)"
chosen=Option1
while read -r -u 3 key from to; do
  dt_case "conversion: $key on $from chooses $to"
  if [ "$from" = Option11 ] && [ "$chosen" = Option1 ]; then
    dt_press 7 Tab
  elif [ "$from" != "$chosen" ]; then
    dt_fatal "the row before left $chosen chosen, not $from"
  fi
  drv_key "$key"
  if [ "$to" = Option11 ] || [ "$to" = Option12 ]; then
    # Six Tabs reach Copy To Clipboard, which copies the energy with its unit.
    dt_press 6 Tab
    drv_set_clipboard "(nothing copied $RANDOM)"
    drv_key space
    dt_expect_clipboard "${shows[$to]}"
    dt_press 6 shift+Tab
  else
    # Alt+A calculates; Text4 is two Shift+Tabs back, round the end of the Tab order.
    drv_key alt+a shift+Tab shift+Tab
    dt_expect_result "${shows[$to]}"
    drv_key Tab Tab
  fi
  chosen=$to
done 3<<'EOF'
Up Option1 Option10
Down Option10 Option1
Left Option1 Option10
Right Option10 Option1
Down Option1 Option2
Right Option2 Option3
Up Option3 Option2
Left Option2 Option1
Right Option11 Option12
Up Option12 Option11
EOF

dt_finish
