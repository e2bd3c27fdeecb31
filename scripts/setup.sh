#!/usr/bin/env bash
# Installs what building and running Skhemar needs on Debian or Ubuntu.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n qt6-qpa-plugins libqt6svg6 libqt6charts6 libgl-dev libglx-dev
  fonts-dejavu-core python3
)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
