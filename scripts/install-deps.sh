#!/bin/sh
# Installs every Debian 12 package the build, the program and the tests need.
# Runs apt-get as root directly, or through sudo for a normal user. Skips the
# network when everything is already there.
set -eu

PACKAGES="
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6dbus6 libqt6test6 qt6-qpa-plugins
    libgl-dev libxkbcommon-dev libfontconfig-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libx11-dev xvfb xauth x11-utils
    qt6-wayland weston
    fonts-dejavu-core
    dbus dbus-user-session dbus-x11 libglib2.0-bin python3 python3-dbus
    at-spi2-core python3-pyatspi orca openbox xdotool x11-xkb-utils
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils appstream debootstrap man-db
    lintian devscripts xdg-utils
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
