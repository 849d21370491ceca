#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop's own validators on installed files and fails on anything they report, hints
# and infos included: a clean entry is what a software centre shows without complaint.
# Usage: validators.sh desktop-entry <file.desktop>
#        validators.sh metainfo <staging root>
set -uo pipefail

case $1 in
  desktop-entry)
    report=$(desktop-file-validate "$2" 2>&1)
    status=$?
    ;;
  metainfo)
    # validate-tree also checks that the desktop entry each component launches is installed.
    report=$(appstreamcli validate-tree --no-net --pedantic "$2" 2>&1)
    status=$?
    report=$(grep -v -e '^✔ Validation was successful\.$' -e '^$' <<<"$report")
    ;;
  *)
    echo "unknown check: $1" >&2
    exit 2
    ;;
esac

if [ "$status" -ne 0 ] || [ -n "$report" ]; then
  echo "FAIL: $1 ($2), exit status $status" >&2
  printf '%s\n' "$report" >&2
  exit 1
fi
echo "$1 valid: $2"
