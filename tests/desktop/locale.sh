#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two main roads under a German locale, whose decimal separator is ",": the program still
# reads and writes numbers with ".".
source "$(dirname "$0")/desktop_lib.sh" "$@"
dt_begin

dt_case "locale: de_DE.UTF-8 is installed and has the decimal comma"
[ "$(LC_ALL=de_DE.UTF-8 locale decimal_point 2>/dev/null)" = "," ] ||
  dt_fatal "the de_DE.UTF-8 locale is missing (scripts/test generates it)"
dt_start LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de

dt_conversion_road
dt_energy_road 6 shift+Tab

dt_finish
