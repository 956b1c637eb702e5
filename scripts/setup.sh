#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Harmless when
# they are already there: apt is only called for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  xvfb xauth x11-utils
  # packaging: dependencies, metadata and manual page checks
  dpkg-dev file appstream desktop-file-utils groff-base
  # end-to-end tests: the accessibility bus and its Python client, and a
  # session bus
  python3 python3-pyatspi at-spi2-core dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
