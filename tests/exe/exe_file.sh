#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program file as Windows reads it before running it: its subsystem, its protections,
# the DLLs it loads, its version data, its icon and its manifest.
# Usage: exe_file.sh PATH-TO-Velmara.exe
set -u

exe=${1:?usage: $0 PATH-TO-Velmara.exe}
failed=0
fail() {
  printf 'FAIL  %s\n' "$*"
  failed=1
}

for tool in x86_64-w64-mingw32-objdump x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null || { echo "FAIL  $tool is not installed"; exit 1; }
done
[ -f "$exe" ] || { echo "FAIL  no program file at $exe"; exit 1; }

headers=$(x86_64-w64-mingw32-objdump -p "$exe") || { echo "FAIL  objdump cannot read $exe"; exit 1; }
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc) || {
  echo "FAIL  windres cannot read $exe"
  exit 1
}

# A window program: Windows opens no console for it.
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "the subsystem is not Windows GUI"

# Windows loads the program at a random address anywhere in 64-bit space and runs no code from
# its data.
dll_flags=$(awk '/^DllCharacteristics/ {on = 1; next}
                 on && /^[[:space:]]+[A-Z_]+$/ {print $1; next}
                 {on = 0}' <<<"$headers")
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -qx "$flag" <<<"$dll_flags" ||
    fail "DllCharacteristics lack $flag: [$(xargs <<<"$dll_flags")]"
done
# The file header holds no build time, so that two builds of one commit are the same file.
pe_header=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
stamp=$(od -An -tu4 -j$((pe_header + 8)) -N4 "$exe" | tr -d ' ')
[ "$stamp" = 0 ] || fail "the file header's time stamp is $stamp ($(date -u -d "@$stamp")), not 0"
# Functions with arrays on the stack check a guard before they return: the run-time's handler
# for a smashed guard is linked in only when the code calls it.
grep -qaF '*** stack smashing detected ***' "$exe" || fail "no stack protector in the program"

# Only DLLs that every Windows has: the compiler's run-time libraries are linked in (the stack
# protector's takes its random guard from ADVAPI32).
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:lower:]' '[:upper:]' | sort)
allowed="ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL"
allowed+=" OLEAUT32.DLL USER32.DLL"
[ -n "$imports" ] || fail "no imports read"
for dll in $imports; do
  case " $allowed " in
    *" $dll "*) ;;
    *) fail "imports $dll, beyond the system DLLs the program needs ($allowed)" ;;
  esac
done
# Windows 7 and 8 lack the per-monitor DPI calls: importing one stops the program starting there.
for call in GetDpiForWindow AdjustWindowRectExForDpi SetThreadDpiAwarenessContext; do
  grep -Eq "[[:space:]]$call\$" <<<"$headers" && fail "imports $call, missing before Windows 10"
done

# The version data: these five strings in US English, Unicode, and nothing else.
strings=$(sed -n 's/^[[:space:]]*VALUE "\([A-Za-z]*\)", "\(.*\)"$/\1=\2/p' <<<"$resources")
expected='FileVersion=2.00.0002
InternalName=Velmara
OriginalFilename=Velmara.exe
ProductName=Velmara
ProductVersion=2.00.0002'
[ "$(sort <<<"$strings")" = "$expected" ] || fail "version strings: got [$strings]"
blocks=$(grep -o 'BLOCK "[0-9A-Fa-f]\{8\}"' <<<"$resources")
[ "$blocks" = 'BLOCK "040904B0"' ] || fail "string tables: expected only 040904B0, got [$blocks]"
grep -Eq '^[[:space:]]*VALUE "Translation", 0x409, 1200$' <<<"$resources" ||
  fail "the translation is not US English with the Unicode code page"
for field in FILEVERSION PRODUCTVERSION; do
  grep -Eq "^[[:space:]]*$field 2, 0, 0, 2\$" <<<"$resources" || fail "$field is not 2.0.0.2"
done

# The icon under the name the window designs give their picture, with at least one image.
grep -q '^"VELMARA" 14 /\* RT_GROUP_ICON \*/' <<<"$resources" ||
  fail "no icon group named VELMARA"
grep -Eq '^[[:space:]]+0, 1, [1-9][0-9]*,' <<<"$resources" || fail "the icon group holds no image"
grep -q ' 3 /\* RT_ICON \*/' <<<"$resources" || fail "no icon image"

# The manifest Windows reads at start: common controls 6, DPI per monitor, no elevation, and the
# systems it was tested on.
manifest=$(awk '/^1 24 /{on = 1} on {print} on && /^END/{exit}' <<<"$resources")
[ -n "$manifest" ] || fail "no manifest (resource 1 of type 24)"
for needle in 'Microsoft.Windows.Common-Controls"" version=""6.0.0.0' \
  '>PerMonitorV2, PerMonitor</dpiAwareness>' '>true/pm</dpiAware>' 'level=""asInvoker""' \
  '35138b9a-5d96-4fbd-8e2d-a2440225f93a' '4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38' \
  '1f676c76-80e1-4239-95bb-83d0f6d0da78' '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a'; do
  grep -qF "$needle" <<<"$manifest" || fail "the manifest lacks $needle"
done

[ "$failed" -eq 0 ] && echo "ok    $exe"
exit "$failed"
