#!/usr/bin/env bash
# The whole test suite: installs what is missing, builds both trees, runs the native unit tests, then
# the Windows tests (unit tests and the real tavrolin.exe driven as a user would) under Wine.
set -uo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh || exit 1
bash scripts/build.sh || exit 1

status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure || status=1

echo "== Windows tests under Wine"
# shellcheck source=scripts/wine-session.sh
source scripts/wine-session.sh
wine_session_start "$PWD/build/wineprefix-test" || exit 1
ctest --test-dir build/win --output-on-failure --timeout 600 || status=1

exit $status
