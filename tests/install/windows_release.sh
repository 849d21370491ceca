#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows downloads, tried as a user does in a fresh Wine prefix: what the zip holds; the
# installer run silently, its shortcut and uninstall entry, the installed program started from
# it and closed with its Close button; the silent uninstall leaving nothing behind.
# Usage: windows_release.sh VELMARA.EXE ZIP SETUP.EXE NSIS-SCRIPT
exe=$1 zip=$2 setup=$3 nsis_script=$4
source "$(dirname "$0")/../desktop/desktop_lib.sh" wine "$exe"
# shellcheck disable=SC2034 # desktop_lib.sh names its log and screenshots by it
DT_NAME=windows_release
dt_begin
[ -r "$zip" ] || dt_fatal "no zip at $zip"
[ -r "$setup" ] || dt_fatal "no installer at $setup"

readonly uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmara'
installed() { echo "$WINEPREFIX/drive_c/Program Files/Velmara"; }
uninstalled() { [ ! -e "$(installed)" ]; }
shortcut() { echo "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmara.lnk"; }
# One value of the uninstall entry as `reg query` prints it: "TYPE DATA".
entry_value() {
  "$WINE_SESSION_WINE" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name {$1 = ""; sub(/^ +/, ""); print}'
}
crlf() { sed 's/$/\r/' "$1"; }

dt_case "zip: Velmara.exe, the licence and the README, nothing else"
dt_check_eq "entries" "LICENSE.txt README.txt Velmara.exe" "$(unzip -Z1 "$zip" | sort | xargs)"
unzip -p "$zip" Velmara.exe | cmp -s - "$exe" || fail "the zip's Velmara.exe is not the one built"
crlf "$DT_DIR/../../LICENSE" | cmp -s - <(unzip -p "$zip" LICENSE.txt) ||
  fail "LICENSE.txt is not the GPL text with Windows line ends"
crlf "$DT_DIR/../../packaging/windows/README.txt" | cmp -s - <(unzip -p "$zip" README.txt) ||
  fail "README.txt is not the README with Windows line ends"

dt_case "installer: its own version data, and the same bytes when made again"
version_data=$(x86_64-w64-mingw32-windres -i "$setup" -O rc 2>&1)
for entry in '"ProductName", "Velmara"' '"ProductVersion", "2.00.0002"'; do
  grep -qF "VALUE $entry" <<<"$version_data" || fail "no $entry in the installer's version data"
done
again="$WINE_SESSION_DIR/again-setup.exe"
makensis -V1 -NOCD "-DOUT_FILE=$again" "$nsis_script" >>"$DT_LOG" 2>&1 || fail "makensis failed"
cmp -s "$setup" "$again" || fail "a second build of the installer differs"

dt_case "installer: /S installs the program, its licence and the uninstaller"
"$WINE_SESSION_WINE" "$setup" /S >>"$DT_LOG" 2>&1 || fail "the installer failed"
dt_check_eq "installed files" "LICENSE.txt Uninstall.exe Velmara.exe" \
  "$(find "$(installed)" -mindepth 1 -printf '%f\n' 2>/dev/null | sort | xargs)"
cmp -s "$exe" "$(installed)/Velmara.exe" || fail "the installed Velmara.exe is not the one built"

dt_case "installer: a Start-menu shortcut to the installed program"
[ -f "$(shortcut)" ] || fail "no Velmara.lnk in the Start menu"
grep -qaF 'C:\Program Files\Velmara\Velmara.exe' "$(shortcut)" ||
  fail "the shortcut does not lead to C:\\Program Files\\Velmara\\Velmara.exe"

dt_case "installer: the uninstall entry of Apps and features"
dt_check_eq DisplayName "REG_SZ Velmara" "$(entry_value DisplayName)"
dt_check_eq DisplayVersion "REG_SZ 2.00.0002" "$(entry_value DisplayVersion)"
dt_check_eq Publisher "REG_SZ The Velmara developers" "$(entry_value Publisher)"
dt_check_eq DisplayIcon 'REG_SZ C:\Program Files\Velmara\Velmara.exe,0' "$(entry_value DisplayIcon)"
dt_check_eq UninstallString 'REG_SZ "C:\Program Files\Velmara\Uninstall.exe"' \
  "$(entry_value UninstallString)"
dt_check_eq NoModify "REG_DWORD 0x1" "$(entry_value NoModify)"
dt_check_eq NoRepair "REG_DWORD 0x1" "$(entry_value NoRepair)"
size=$(entry_value EstimatedSize)
[[ $size =~ ^REG_DWORD\ 0x([0-9a-f]+)$ ]] && kib=$((16#${BASH_REMATCH[1]})) || kib=0
(( kib * 1024 >= $(stat -c %s "$exe") && kib * 1024 < 2 * $(stat -c %s "$exe") )) ||
  fail "EstimatedSize $size is not the installed size in KiB"

dt_case "installed program: its window at the design's size; Close ends it with status 0"
DT_PROGRAM="$WINE_SESSION_DIR/installed-velmara"
printf '#!/usr/bin/env bash\nexec %q %q\n' "$WINE_SESSION_WINE" \
  'C:\Program Files\Velmara\Velmara.exe' >"$DT_PROGRAM"
chmod +x "$DT_PROGRAM"
dt_start
dt_expect_size "$(dt_collapsed_size)"
dt_click Command1
dt_expect_exit

dt_case "uninstaller: /S removes every file, folder, shortcut and registry key"
"$WINE_SESSION_WINE" 'C:\Program Files\Velmara\Uninstall.exe' /S >>"$DT_LOG" 2>&1 ||
  fail "the uninstaller failed"
# It runs from a copy in the temporary folder, which Windows deletes at its next start (the
# empty folder it leaves there is the system's to clear).
dt_wait_until 10 uninstalled || fail "Program Files\\Velmara is still there"
"$WINE_SESSION_WINE" wineboot -r >>"$DT_LOG" 2>&1
left=$(find "$WINEPREFIX/drive_c" -iname '*velmara*' -o -path '*/~nsu*.tmp/*' 2>/dev/null)
dt_check_eq "files left" "" "$left"
dt_check_eq "uninstall entry" "" "$(entry_value DisplayName)"

dt_finish
