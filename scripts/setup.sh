#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing. Further packages
# (for the sanitizer, fuzz, coverage and benchmark builds) can be named on the command line.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev xvfb xauth locales desktop-file-utils appstream dpkg-dev
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          at-spi2-core python3-pyatspi dbus dbus-daemon xdotool "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi

# A comma-decimal locale, so that the tests can prove the numbers do not follow the C library's locale.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8 || echo "setup: no it_IT locale (the locale test will be skipped)"
fi
