#!/bin/sh
# Installs, through apt, whatever the build and the tests need and the
# machine lacks. Safe to run again: it asks apt only for missing packages.
set -eu

packages="cmake ninja-build g++ clang libclang-rt-14-dev
    qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qtqml-workerscript qt6-qpa-plugins libgl-dev
    dbus fonts-dejavu-core
    xvfb xdotool tesseract-ocr tesseract-ocr-eng libgl1-mesa-dri libglx-mesa0 xclip
    desktop-file-utils appstream groff-base build-essential dpkg-dev debhelper"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $package"
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi
