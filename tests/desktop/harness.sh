#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The harness itself, without a display: the one wait of the scripts and tests keeps its
# deadline.
source "$(dirname "$0")/desktop_lib.sh" x11 /bin/true

# Succeeds on its third call; counts the calls in the file $1.
third_time() {
  echo >>"$1"
  [ "$(wc -l <"$1")" -ge 3 ]
}

dt_case "harness: a wait ends once its command succeeds, and fails at its deadline, fractions too"
calls=$(mktemp)
velmara_wait_until 5 third_time "$calls" || fail "the wait gave up on a command that succeeded"
dt_check_eq "calls until the command succeeded" 3 "$(wc -l <"$calls")"
rm -f "$calls"
while read -r seconds least most; do
  start=$(date +%s%3N)
  velmara_wait_until "$seconds" false && fail "a wait of $seconds s for false succeeded"
  waited=$(($(date +%s%3N) - start))
  [ "$waited" -ge "$least" ] && [ "$waited" -lt "$most" ] ||
    fail "a wait of $seconds s for false took $waited ms"
done <<'EOF'
0 0 1000
0.3 300 1500
1.25 1250 2500
EOF

dt_finish
