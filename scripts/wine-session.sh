# Sourced by the run and test scripts: gives Wine a display and a fresh prefix of its own, and ends
# every process it started when the calling script exits.
#   wine_session_start DIR   start Xvfb when there is no DISPLAY, create the prefix in DIR
# The prefix runs every GUI program in a 1024 x 768 virtual desktop named "Default"; a process started
# on the desktop "Small" gets a 640 x 480 one.

wine_session_cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
  fi
  if [ -n "${WINE_SESSION_OWN_PREFIX:-}" ]; then
    rm -rf "$WINE_SESSION_OWN_PREFIX"
  fi
}

wine_session_start_xvfb() {
  local number=$((90 + RANDOM % 400))
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
  done
  [ -e "/tmp/.X11-unix/X$number" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}

wine_session_start() {
  local dir=$1
  trap wine_session_cleanup EXIT
  if [ -z "${DISPLAY:-}" ]; then
    wine_session_start_xvfb
  fi
  rm -rf "$dir"
  mkdir -p "$dir"
  WINE_SESSION_OWN_PREFIX=$dir
  export WINEPREFIX=$dir
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko: the program needs neither, and their installers would ask.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine takes its code page and CJK font fallback from these; the shell itself may lack the locale.
  { export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null
  wineboot -i >/dev/null 2>&1
  # Wine's own TrueType fonts (Marlett draws the frame buttons' glyphs) are not found in Debian's data
  # directory; the prefix's font folder is searched.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Small /d 640x480 /f >/dev/null 2>&1
  # The desktop settings take effect when the next program starts a new server and desktop.
  wineserver -w
}
