#!/usr/bin/env bash
# Installs what building, running and testing commtest needs on Debian 12, as root. Does nothing
# when everything is there already.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache
  qt6-base-dev qt6-serialport-dev libgl1-mesa-dev libxkbcommon-dev
  fonts-wqy-zenhei   # Chinese captions render as boxes without a CJK font
  xvfb xauth         # a real window without a desktop
  clang libclang-rt-14-dev  # the fuzz targets: libFuzzer and the sanitizer runtimes for clang
  clang-format              # the house style, checked in CI
  qt6-charts-dev            # live and history trends
  libqt6sql6-sqlite sqlite3 # the history database (and its integrity check from the shell)
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools  # translations: lupdate, lrelease and their CMake support
  libmosquitto-dev mosquitto mosquitto-clients      # the MQTT gateway, and a broker for its tests
  openssl                   # certificates for the MQTT gateway's TLS test
  appstream                 # validates the desktop metadata (appstreamcli)
  dpkg-dev                  # cpack -G DEB: dpkg-shlibdeps finds the package's dependencies
  debootstrap               # tools/package/check-on-fresh-debian.sh builds a clean Debian 12 to install into
  poppler-utils             # pdftotext: the printed report is read back in its test
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
