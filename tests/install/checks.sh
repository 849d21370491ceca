# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the install checks: fail notes a failed check and goes on, so that one run names
# every fault; finish_checks gives the exit status.
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

finish_checks() {
  [ "$failures" -eq 0 ] || exit 1
}
