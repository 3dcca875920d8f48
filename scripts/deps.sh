#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build and test Contalandia,
# and the further Debian packages named as arguments.
set -euo pipefail
# The warm-up before the first window: fontconfig's headers.
# Numbers in words: ICU's headers (the libraries come with Qt).
# The results store: Qt's SQLite driver (the default, on this computer) and
# PostgreSQL driver (a classroom server), the charts of the results screen,
# and PostgreSQL itself, whose initdb and pg_ctl the tests run a private
# server with, and openssl, whose certificates the encrypted classroom's
# test makes.
# The keyboard black box: an X server, real key presses and the
# accessibility bus read from Python.
# The voice: espeak-ng's library and headers, and its voice data (the six
# languages' voices, read by the program at run time, offline).
packages=(build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-svg-dev
          libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n
          libqt6sql6-sqlite libqt6sql6-psql qt6-charts-dev libfontconfig-dev libicu-dev postgresql openssl
          xvfb xdotool at-spi2-core dbus-daemon libglib2.0-bin python3-gi gir1.2-atspi-2.0
          pkg-config libespeak-ng-dev espeak-ng-data "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
