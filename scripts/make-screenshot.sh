#!/usr/bin/env bash
# Remakes docs/screenshot.png, the README's picture of the window right after start, under Wine in the
# 1024 x 768 virtual desktop of the test session.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh
# shellcheck source=scripts/wine-session.sh
source scripts/wine-session.sh
wine_session_start "$PWD/build/wineprefix-screenshot"
wine build/win/tools/window_screenshot.exe build/win/shell/win32/tavrolin.exe docs/screenshot.png
echo "docs/screenshot.png"
