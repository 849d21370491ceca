#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the documents an installed tree carries beside the program: the manual page renders
# without a warning and names this version, the copyright file is machine-readable and its
# licence paragraph points to the licence text Debian ships, and the changelog is a Debian
# changelog whose newest entry is this version.
# Usage: documents.sh <staging root> <prefix> <version>
set -uo pipefail
root=$1 prefix=$2 version=$3
usr=$root$prefix
# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

manual=$usr/share/man/man1/velmara.1.gz
if [ ! -f "$manual" ]; then
  fail "no manual page at $manual"
else
  gzip -t "$manual" || fail "$manual is not gzip-compressed"
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" \
    >/dev/null 2>"$scratch/man.err" || fail "man cannot format $manual"
  [ -s "$scratch/man.err" ] &&
    fail "the manual page renders with warnings: $(cat "$scratch/man.err")"
  # What apropos and whatis show comes from the NAME section.
  lexgrog "$manual" | grep -q ': "velmara - ' ||
    fail "the NAME section gives no whatis line: $(lexgrog "$manual" 2>&1)"
  zcat "$manual" | grep -q "^\.TH VELMARA 1 .* \"Velmara $version\"" ||
    fail "the manual page's title line does not name version $version"
fi

doc=$usr/share/doc/velmara
copyright=$doc/copyright
if [ ! -f "$copyright" ]; then
  fail "no copyright file at $copyright"
else
  # Paragraphs are separated by blank lines; each record is one paragraph.
  header=$(awk -v RS= 'NR == 1' "$copyright")
  grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    <<<"$header" || fail "the copyright file does not start with the machine-readable Format line"
  files=$(awk -v RS= '/(^|\n)Files: \*(\n|$)/' "$copyright")
  if [ -z "$files" ]; then
    fail "the copyright file has no 'Files: *' paragraph"
  else
    grep -qx 'Copyright: [0-9]\{4\}\(-[0-9]\{4\}\)\? The Velmara developers' <<<"$files" ||
      fail "the 'Files: *' paragraph names no copyright of The Velmara developers"
    licence=$(sed -n 's/^License: \(.*\)$/\1/p' <<<"$files")
    [ "$licence" = GPL-3+ ] || fail "the 'Files: *' paragraph's licence is '$licence', not GPL-3+"
    text=$(awk -v RS= -v l="License: $licence" 'index($0, l "\n") == 1' "$copyright")
    [ -n "$text" ] || fail "no standalone paragraph gives the text of licence '$licence'"
    grep -q 'either version 3 of the License, or$' <<<"$text" &&
      grep -q '^ (at your option) any later version\.$' <<<"$text" ||
      fail "the licence paragraph does not grant version 3 or any later version"
    common=$(grep -o '/usr/share/common-licenses/[^"]*' <<<"$text")
    [ "$common" = /usr/share/common-licenses/GPL-3 ] && [ -f "$common" ] ||
      fail "the licence paragraph points to '$common', not to Debian's GPL-3 text"
  fi
fi

changelog=$doc/changelog.gz
if [ ! -f "$changelog" ]; then
  fail "no changelog at $changelog"
elif ! zcat "$changelog" >"$scratch/changelog"; then
  fail "$changelog is not gzip-compressed"
elif ! dpkg-parsechangelog -l "$scratch/changelog" >"$scratch/parsed" 2>"$scratch/parse.err"; then
  fail "$changelog is not a Debian changelog: $(cat "$scratch/parse.err")"
else
  [ -s "$scratch/parse.err" ] && fail "dpkg-parsechangelog warns: $(cat "$scratch/parse.err")"
  entry() { sed -n "s/^$1: //p" "$scratch/parsed"; }
  [ "$(entry Source)" = velmara ] || fail "the changelog is for '$(entry Source)'"
  [ "$(entry Version)" = "$version" ] ||
    fail "the newest changelog entry is '$(entry Version)', not $version"
fi

finish_checks
echo "The manual page, copyright and changelog under $usr are in order"
