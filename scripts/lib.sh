# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the project's scripts: installing the Debian packages that are missing, a private
# virtual X display, and waiting for something to happen. Source it; it defines functions and
# changes nothing by itself.

# What building and running the program needs.
VELMARA_BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev fonts-liberation)
# What a private X display and the screenshots of scripts/run need.
VELMARA_DISPLAY_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick)
# What the whole test suite needs besides: clipboard, Xlib for the window-manager helper, the
# German locale, clang's libFuzzer, the package validators, lintian, the licence linter, X DAMAGE
# for the start-up benchmark's measurer, hardening-check (devscripts), jq to read the compile
# commands, and diffoscope to show where two builds of one commit differ.
VELMARA_TEST_PACKAGES=(xclip libx11-dev locales clang libclang-rt-14-dev desktop-file-utils
  appstream dpkg-dev file lintian man-db reuse libxdamage-dev devscripts jq diffoscope-minimal)
# What the Wayland desktop suite needs: a headless compositor, its clients for keys, window
# sizes (read with jq), screenshots and the clipboard, and Qt's Wayland platform plugin.
VELMARA_WAYLAND_PACKAGES=(sway wtype grim wl-clipboard jq qt6-wayland)
# What cross-building Velmara.exe and its two downloads (zip and installer) needs.
VELMARA_WINDOWS_BUILD_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix nsis zip)
# What the web build needs: Debian's Emscripten, terser to shorten its script, zip for its
# download, Node to run its tests, and the browsers that test the page: Chromium, Firefox and
# WebKitGTK's MiniBrowser with its WebDriver, on a private Xvfb, its pictures cut by ImageMagick.
VELMARA_WEB_PACKAGES=(emscripten terser nodejs chromium firefox-esr zip webkit2gtk-driver xvfb
  imagemagick)
# What the Windows build's tests need besides the X display's tools: Wine with the bitmap fonts
# of its prefixes, a window manager, and unzip for the zip.
VELMARA_WINDOWS_PACKAGES=(wine64 wine fonts-wine openbox unzip)

velmara_missing_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
      printf '%s\n' "$package"
  done
}

# Installs the named packages that are missing: as root directly, otherwise through sudo,
# otherwise it prints the one line to run and fails.
velmara_install() {
  local missing
  mapfile -t missing < <(velmara_missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  local -a apt
  if [ "$(id -u)" -eq 0 ]; then
    apt=(apt-get)
  elif command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
    apt=(sudo apt-get)
  else
    echo "Velmara needs these Debian packages; install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null 2>&1; then
    "${apt[@]}" update >/dev/null
    "${apt[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Makes the German UTF-8 locale available for the locale tests.
velmara_ensure_german_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
}

# Starts a private Xvfb on a free display and exports DISPLAY; VELMARA_XVFB_PID is its process.
# Stop it with velmara_stop_xvfb.
velmara_start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  VELMARA_XVFB_PID=$!
  local number=""
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    kill "$VELMARA_XVFB_PID" 2>/dev/null || true
    return 1
  fi
  export DISPLAY=":$number"
}

velmara_stop_xvfb() {
  [ -n "${VELMARA_XVFB_PID:-}" ] || return 0
  kill "$VELMARA_XVFB_PID" 2>/dev/null || true
  wait "$VELMARA_XVFB_PID" 2>/dev/null || true
  VELMARA_XVFB_PID=""
}

# Runs command $2... until it succeeds, at most $1 seconds (fractions allowed); fails if it never
# did. The one way the scripts and the tests wait for something to happen.
velmara_wait_until() {
  local seconds=$1
  shift
  local whole=${seconds%%.*} fraction
  fraction=${seconds#"$whole"}
  fraction=${fraction#.}000
  local deadline=$(($(date +%s%3N) + ${whole:-0} * 1000 + 10#${fraction:0:3}))
  while :; do
    "$@" && return 0
    [ "$(date +%s%3N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Prints the id of a visible window whose name is exactly $1, if there is one.
velmara_window_named() {
  local id
  id=$(xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] && printf '%s\n' "$id"
}

# Waits up to $2 seconds (default 20) for a visible window whose name is exactly $1; prints its id.
velmara_wait_window() { velmara_wait_until "${2:-20}" velmara_window_named "$1"; }
