#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A distribution builds Velmara with flags of its own in the environment: a release configured so
# compiles and links with them and with the hardening besides, and when the distribution chooses
# the fortify level, with its level alone (two levels would make GCC warn, and fail under -Werror).
# Usage: build_flags.sh <source dir> <scratch dir>
set -uo pipefail
source_dir=$1 scratch=$2
# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
# Each case: the environment's CPPFLAGS, CXXFLAGS, LDFLAGS | the compile flags of main.cpp |
# the link flags of the program | the compile flags main.cpp must not have.
cases=(
  "-DDISTRO_CPP|-O1 -DDISTRO_CXX|-Wl,--defsym=distro_ld=1|-DDISTRO_CPP -DDISTRO_CXX -O1 \
-D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security \
-fstack-clash-protection -fcf-protection|-Wl,--defsym=distro_ld=1 -Wl,-z,relro -Wl,-z,now|"
  "-D_FORTIFY_SOURCE=3|||-D_FORTIFY_SOURCE=3 -fstack-protector-strong|-Wl,-z,now|-D_FORTIFY_SOURCE=2"
)
number=0
for case in "${cases[@]}"; do
  IFS='|' read -r cppflags cxxflags ldflags compiled linked absent <<<"$case"
  number=$((number + 1))
  build=$scratch/$number
  if ! env CPPFLAGS="$cppflags" CXXFLAGS="$cxxflags" LDFLAGS="$ldflags" cmake -S "$source_dir" \
    -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMARA_BUILD_TESTS=OFF >"$build.log" 2>&1; then
    cat "$build.log" >&2
    fail "case $number: configuring failed"
    continue
  fi
  compile=$(grep -o '"command": "[^"]*app/main\.cpp"' "$build/compile_commands.json")
  link=$(cat "$build/app/forms/qt/CMakeFiles/velmara.dir/link.txt")
  for flag in $compiled; do
    grep -qe " $flag " <<<"$compile" || fail "case $number: main.cpp compiles without $flag: $compile"
  done
  for flag in $linked; do
    grep -qe " $flag " <<<"$link" || fail "case $number: the program links without $flag: $link"
  done
  for flag in $absent; do
    grep -qe " $flag " <<<"$compile" && fail "case $number: main.cpp compiles with $flag: $compile"
  done
done

finish_checks
echo "the environment's flags and the hardening reach the compiler and the linker"
