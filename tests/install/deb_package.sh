#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build as a Debian package into a scratch directory and checks what apt would see: the
# control fields, the libraries dpkg-shlibdeps found, that every file goes under /usr (the tree
# there is the plain install's, which the other install tests check), the program's hardening,
# and lintian.
# Usage: deb_package.sh <build dir> <version> <scratch dir>
set -uo pipefail
build=$1 version=$2 scratch=$3
# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
  exit 1
fi
architecture=$(dpkg --print-architecture)
deb=$scratch/velmara_${version}_$architecture.deb
[ -f "$deb" ] || { fail "no $(basename "$deb") in $scratch: $(ls "$scratch")"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmara ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
field Maintainer | grep -Eq '^[^<]+ <[^@>]+@example\.org>$' ||
  fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
depended=$(sed -e 's/ ([^)]*)//g' -e 's/, /\n/g' <<<"$depends")
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
  grep -qxF "$needed" <<<"$depended" || fail "Depends lacks $needed: $depends"
done
# Qt's Wayland platform is recommended, not required: without it the program runs through
# XWayland.
recommends=$(field Recommends)
grep -qxF qt6-wayland <<<"$(sed -e 's/ ([^)]*)//g' -e 's/, /\n/g' <<<"$recommends")" ||
  fail "Recommends lacks qt6-wayland: '$recommends'"

tree=$scratch/tree
dpkg-deb -x "$deb" "$tree"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' &&
  fail "the package puts files outside /usr"

# The installed program carries Debian's hardening, every line of hardening-check. The mark for
# control-flow protection survives the link only when the C library's start files carry it too
# (Debian 12's do not); there the program's own code is checked for it instead: main begins with
# the landing pad that indirect calls and jumps need.
# Fortify turns a call into its checked form only where the compiler knows the size it may
# write; when every such call of the program learns its size only as it runs (memcpy, memmove and
# memset), hardening-check finds no checked call and cannot tell the program from an unfortified
# one. There every compile of the program's own code is checked for the fortify level instead.
program=$tree/usr/bin/velmara
if ! command -v hardening-check >/dev/null; then
  fail "hardening-check is not installed (devscripts; scripts/test installs it)"
else
  skip_cf=()
  if ! readelf -n "$(c++ -print-file-name=crti.o)" | grep -q 'x86 feature: IBT, SHSTK'; then
    skip_cf=(--nocfprotection)
    objdump -d --no-show-raw-insn --disassemble=main "$build/app/velmara" |
      grep -A1 '<main>:' | grep -q 'endbr64' || fail "main has no control-flow landing pad"
  fi
  skip_fortify=()
  fortify=$(hardening-check --verbose "$program" | sed -n '/Fortify Source functions/,/Read-only/p')
  if grep -q 'no, only unprotected functions found' <<<"$fortify" &&
    ! grep 'unprotected:' <<<"$fortify" | grep -qvE 'unprotected: (memcpy|memmove|memset)$'; then
    skip_fortify=(--nofortify)
    unfortified=$(jq -r '.[] | select(.file | test("/(app|main_window|about_window)/"))
      | select(.command | test("-D_FORTIFY_SOURCE=[23]") | not) | .file' \
      "$build/compile_commands.json") || fail "no compile commands in $build"
    [ -z "$unfortified" ] || fail "compiled without fortify: $unfortified"
  fi
  hardening-check "${skip_cf[@]}" "${skip_fortify[@]}" "$program" ||
    fail "hardening-check fails on $program"
fi

# Debian's own package checker: errors and warnings fail, the pedantic and informational tags
# are shown.
if ! command -v lintian >/dev/null; then
  fail "lintian is not installed (scripts/test installs it)"
else
  lintian --pedantic --display-info "$deb" >"$scratch/lintian.log" 2>&1
  lintian_status=$?
  if [ "$lintian_status" -ne 0 ] || grep -q '^[EW]: ' "$scratch/lintian.log"; then
    fail "lintian reports errors or warnings (exit status $lintian_status):"
    cat "$scratch/lintian.log" >&2
  elif grep -q ' hardening-' "$scratch/lintian.log"; then
    fail "lintian finds the program unhardened:"
    grep ' hardening-' "$scratch/lintian.log" >&2
  else
    echo "lintian: no errors or warnings; its other tags:"
    grep '^[A-Z]: ' "$scratch/lintian.log"
  fi
fi

finish_checks
echo "$(basename "$deb") is complete; Depends: $depends; Recommends: $recommends"
