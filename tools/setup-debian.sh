#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running, testing and packaging the tutors need.
# Idempotent, and silent when everything is already there.
set -euo pipefail

packages=(
    cmake g++ clang clang-format libclang-rt-14-dev make libgtest-dev libgmp-dev
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-svg-dev libgl-dev qt6-translations-l10n libfontconfig-dev
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    fonts-noto-ui-core fonts-noto-core fonts-kacst fonts-dejavu-core
    xvfb xauth openbox xdotool x11-utils imagemagick libxcb-damage0-dev pkg-config
    dpkg-dev desktop-file-utils appstream lintian man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
