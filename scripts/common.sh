# Shared set-up for scripts/test and scripts/demo: packages, build, display and Wine.
# Every step is named and bounded in time; a failing step stops the script with its name.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${QCTL_BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

fail() { echo "FAILED at step: $1" >&2; exit 1; }

# step NAME SECONDS CMD...: runs CMD with a timeout, stops the script when it fails.
step() {
  local name=$1 secs=$2; shift 2
  echo "== $name"
  timeout -k 10 "$secs" "$@" || fail "$name (exit $?)"
}

need_packages() {
  # fonts-wine: Wine's own fonts (Tahoma, Tahoma Bold, MS Sans Serif, ...), the fonts every test
  # and screenshot is drawn with, whatever else the machine has.
  local pkgs=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 xvfb xauth googletest x11-utils fonts-wine)
  local missing=()
  for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  step "apt-get update" 600 apt-get update -qq
  step "apt-get install" 1200 apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  if [ ! -f "$BUILD/build.ninja" ]; then
    step "configure" 300 cmake -S "$ROOT" -B "$BUILD" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  step "build" 2400 cmake --build "$BUILD" -j "$(nproc)"
}

# Starts a private Xvfb when no display is set; it is stopped when the script exits.
XVFB_PID=
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; then return 0; fi
  # Xvfb picks a free display itself and writes its number: two runs starting at the same moment
  # never share (and later stop) one display.
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$numfile" ]; then
      export DISPLAY=":$(head -n 1 "$numfile" | tr -dc 0-9)"
      if timeout 2 xdpyinfo >/dev/null 2>&1; then
        rm -f "$numfile"
        return 0
      fi
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numfile"
  fail "start Xvfb"
}

# Keeps one wineserver alive for the whole run and lets Wine start its helper processes once.
WINESERVER_PID=
start_wine() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineserver -p >/dev/null 2>&1 &
  WINESERVER_PID=$!
  step "wine prefix" 600 /usr/lib/wine/wine64 wineboot --init
  wine_fonts
  step "wine warm-up" 300 /usr/lib/wine/wine64 cmd /c exit 0
  # No window manager runs on the private display: with managed windows Wine would wait two
  # seconds for each top-level window to be withdrawn when it is hidden or destroyed.
  step "wine unmanaged windows" 120 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /d N /f
}

# Wine's own fonts for every face a Windows program asks for. This Wine looks for its fonts
# elsewhere than where fonts-wine puts them, so they are linked into the prefix's Fonts folder
# (Wine loads every font there), and the dialog faces are substituted by Tahoma explicitly.
# Without this, Tahoma and MS Shell Dlg fall back to whatever fontconfig offers.
WINE_FONTS_DIR=/usr/share/wine/fonts
wine_fonts() {
  echo "== wine fonts"
  [ -f "$WINE_FONTS_DIR/tahoma.ttf" ] || fail "wine fonts: $WINE_FONTS_DIR/tahoma.ttf missing (package fonts-wine)"
  local dst="$WINEPREFIX/drive_c/windows/Fonts" f
  mkdir -p "$dst" || fail "wine fonts: $dst"
  for f in "$WINE_FONTS_DIR"/*; do
    ln -sf "$f" "$dst/${f##*/}" || fail "wine fonts: link ${f##*/}"
  done
  local reg="$WINEPREFIX/qctl-fonts.reg" key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion'
  printf '%s\r\n' 'REGEDIT4' '' "[$key\\FontSubstitutes]" '"MS Shell Dlg"="Tahoma"' \
    '"MS Shell Dlg 2"="Tahoma"' '' >"$reg"
  step "wine font substitutes" 120 /usr/lib/wine/wine64 regedit /S "$(winepath_of "$reg")"
}

# The Windows path of a file below the prefix's drive Z: (the Linux root).
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

cleanup() {
  [ -n "$WINESERVER_PID" ] && { timeout 20 wineserver -k >/dev/null 2>&1; kill "$WINESERVER_PID" 2>/dev/null; }
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  true
}
trap cleanup EXIT
