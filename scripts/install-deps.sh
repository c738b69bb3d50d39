#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, only those that are missing.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb fonts-wqy-microhei fonts-wine
  googletest libgtest-dev libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
