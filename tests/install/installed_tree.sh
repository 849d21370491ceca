#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a tree that `cmake --install` filled under a staging directory: the program, its desktop
# entry, its icon in every size of the icon theme and its AppStream metadata are where a desktop
# looks for them, and they name each other correctly.
# Usage: installed_tree.sh <staging root> <prefix> <version>
set -uo pipefail
root=$1 prefix=$2 version=$3
usr=$root$prefix
# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

# The value of a key in the [Desktop Entry] group.
desktop_key() {
  sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$2" | head -n 1
}

program=$usr/bin/velmara
if [ ! -x "$program" ]; then
  fail "$program is missing or not executable"
else
  file -b "$program" | grep -q '^ELF 64-bit LSB pie executable' ||
    fail "$program is not a program: $(file -b "$program")"
  readelf -d "$program" | grep -Eq 'R(UN)?PATH' &&
    fail "$program carries a library search path: $(readelf -d "$program" | grep -E 'R(UN)?PATH')"
fi

desktop=$usr/share/applications/velmara.desktop
if [ ! -f "$desktop" ]; then
  fail "$desktop is missing"
else
  exec_line=$(desktop_key Exec "$desktop")
  command_name=${exec_line%% *}
  [ -x "$usr/bin/$command_name" ] || fail "the desktop entry runs '$command_name', not installed"
  icon=$(desktop_key Icon "$desktop")
  [ -n "$icon" ] || fail "the desktop entry names no icon"
  theme=$usr/share/icons/hicolor
  [ -f "$theme/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
  for size in 16 32 48 64 128 256; do
    png=$theme/${size}x${size}/apps/$icon.png
    if [ ! -f "$png" ]; then
      fail "no ${size}-pixel icon at $png"
    else
      file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "$png is not a $size x $size PNG: $(file -b "$png")"
    fi
  done
fi

metainfo_dir=$usr/share/metainfo
mapfile -t metainfos < <(find "$metainfo_dir" -name '*.metainfo.xml' 2>/dev/null)
if [ "${#metainfos[@]}" -ne 1 ]; then
  fail "expected one metainfo file in $metainfo_dir, found ${#metainfos[@]}"
else
  metainfo=${metainfos[0]}
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
  [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] ||
    fail "$(basename "$metainfo") does not carry the component's id '$id'"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$usr/share/applications/$launchable" ] ||
    fail "the metainfo launches '$launchable', which is not installed"
  binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
  [ -x "$usr/bin/$binary" ] || fail "the metainfo provides the program '$binary', not installed"
  releases=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo")
  [ "$(head -n 1 <<<"$releases")" = "$version" ] ||
    fail "the newest release in the metainfo is '$(head -n 1 <<<"$releases")', not $version"
fi

finish_checks
echo "The installed tree under $usr is complete"
