#!/usr/bin/env bash
# Starts the calculator on a virtual display with a private session bus and the accessibility bus of the
# desktop, and lets atspi_check.py read the window as a screen reader does.
#   atspi_test.sh PROGRAM
# Exits 77 (skipped) when the accessibility tools are not installed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1

if [ "${2:-}" != "--inside" ]; then
    missing=()
    command -v dbus-run-session > /dev/null || missing+=(dbus-run-session)
    command -v xvfb-run > /dev/null || missing+=(xvfb-run)
    [ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(/usr/libexec/at-spi-bus-launcher)
    /usr/bin/python3 -c "import pyatspi" 2> /dev/null || missing+=("python3-pyatspi")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIPPED: the AT-SPI check needs ${missing[*]} (scripts/setup.sh installs at-spi2-core, python3-pyatspi, dbus)"
        exit 77
    fi
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --inside
fi

runtime=$(mktemp -d)
trap 'kill "$app" "$launcher" 2> /dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
app=$!
/usr/bin/python3 "$here/atspi_check.py" "$(basename "$program")" ${ATSPI_VERBOSE:-}
