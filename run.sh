#!/usr/bin/env bash
# Installs what is missing, builds, and runs Tavrolin under Wine on the current display. With no
# display it runs the program under Xvfb, saves a screenshot of its window, prints the file's path and
# ends the program.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
bash scripts/build.sh

# shellcheck source=scripts/wine-session.sh
source scripts/wine-session.sh
if [ -n "${DISPLAY:-}" ]; then
  wine_session_start "$PWD/build/wineprefix-run"
  wine build/win/shell/win32/tavrolin.exe
else
  wine_session_start "$PWD/build/wineprefix-run"
  shot="$PWD/build/tavrolin-window.png"
  wine build/win/tools/window_screenshot.exe build/win/shell/win32/tavrolin.exe "$shot"
  echo "$shot"
fi
