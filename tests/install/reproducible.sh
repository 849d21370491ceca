#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every download, made twice from one source tree as a user's release build makes it
# (scripts/package, scripts/package-windows, scripts/package-web), must come out byte for byte
# the same. The two builds differ in everything that must not matter: the folder, the time of the
# checkout and of the build, the umask and the time zone. A difference is shown with diffoscope.
# The SHA256SUMS that the scripts write must hold the downloads' sums.
# Usage: reproducible.sh <source dir> <scratch dir>
set -uo pipefail
source_dir=$(realpath "$1") scratch=$2
# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

for tool in git diffoscope sha256sum; do
  command -v "$tool" >/dev/null ||
    { fail "$tool is not installed (scripts/test installs it)"; exit 1; }
done
commit=$(git -C "$source_dir" rev-parse HEAD) || { fail "$source_dir is not a git checkout"; exit 1; }
# The scripts take the release time from the last commit themselves.
unset SOURCE_DATE_EPOCH

rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(realpath "$scratch")

# A fresh checkout of the commit, with the changes not committed yet: the files get the time of
# copying, and build/ and what git ignores stay behind.
copy_tree() {
  local into=$1 file
  git clone -q --shared --no-checkout "$source_dir" "$into" &&
    git -C "$into" checkout -q --detach "$commit" || return 1
  {
    git -C "$source_dir" diff -z --name-only HEAD
    git -C "$source_dir" ls-files -z --others --exclude-standard
  } | while IFS= read -r -d '' file; do
    if [ -e "$source_dir/$file" ]; then
      (cd "$source_dir" && cp --parents -t "$into" "$file")
    else
      rm -f "$into/$file"
    fi
  done
}

# Copies and builds in one folder; the artefacts' paths go to <folder>.made.
build_in() {
  local tree=$1 mask=$2 zone=$3
  (
    umask "$mask" && copy_tree "$tree" && cd "$tree" && export TZ=$zone &&
      scripts/package && scripts/package-windows && scripts/package-web &&
      echo build/windows/Velmara.exe
  ) >"$tree.made" 2>"$tree.log" || { cat "$tree.log" >&2; return 1; }
}

started=$SECONDS
first=$scratch/one
second=$scratch/the-second-build-in-a-longer-folder
# The second starts later, so that no time is the same in both; they overlap, to be quicker.
build_in "$first" 022 UTC &
first_build=$!
sleep 20
build_in "$second" 002 Pacific/Auckland &
second_build=$!
wait "$first_build" || fail "the first build failed"
wait "$second_build" || fail "the second build failed"
finish_checks
echo "Built twice in $((SECONDS - started)) s"

mapfile -t made <"$first.made"
[ "${#made[@]}" -eq 5 ] || fail "expected five artefacts, the scripts named: ${made[*]}"
for artefact in "${made[@]}"; do
  one=$first/$artefact other=$second/$artefact
  if [ ! -f "$one" ] || [ ! -f "$other" ]; then
    fail "$artefact is missing from one build"
    continue
  fi
  printf '%s  %s\n' "$(sha256sum <"$one" | cut -c1-64)" "$(sha256sum <"$other" | cut -c1-64)"
  printf '  %s\n' "$artefact"
  if ! cmp -s "$one" "$other"; then
    fail "$artefact differs between the two builds:"
    diffoscope --text - --max-report-size 200000 "$one" "$other"
  fi
done

# The sums the scripts write beside the downloads are the downloads', every one of them.
for tree in "$first" "$second"; do
  for folder in build/release build/windows build/web; do
    (cd "$tree/$folder" && sha256sum --strict --quiet -c SHA256SUMS) ||
      fail "$tree/$folder/SHA256SUMS does not hold the sums of what is there"
  done
done
listed=$(cat "$first"/build/{release,windows,web}/SHA256SUMS | awk '{print $2}' | sort | xargs)
downloads=$(printf '%s\n' "${made[@]}" | grep -v '/Velmara\.exe$' | xargs -n1 basename | sort | xargs)
[ "$listed" = "$downloads" ] || fail "SHA256SUMS name [$listed], not the downloads [$downloads]"

finish_checks
echo "every download is the same in both builds"
