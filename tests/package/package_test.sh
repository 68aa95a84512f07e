#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a fresh root, checks what it installs and what it depends
# on, and starts the installed program under xvfb-run until its window is first painted.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=io.github.hamlinecalc.HamLineCalc

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/hamlinecalc_*.deb)
echo "package: $(basename "$deb")"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/hamlinecalc "usr/share/applications/$app_id.desktop" \
         "usr/share/icons/hicolor/scalable/apps/$app_id.svg" "usr/share/metainfo/$app_id.metainfo.xml" \
         usr/share/doc/hamlinecalc/LICENSE usr/lib/udev/rules.d/70-hamlinecalc-nanovna.rules \
         "usr/share/icons/hicolor/"{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}"/apps/$app_id.png"; do
    [ -e "$root/$f" ] || { echo "missing from the package: /$f"; exit 1; }
done

# The icon at each fixed size is a picture of that size; the licence is the GPL's full text.
for size in 16 22 24 32 48 64 128 256; do
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    got=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | tr -s ' ')
    want=" 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
    [ "$got" = "$want" ] || { echo "icon ${size}x${size}: width and height bytes$got"; exit 1; }
done
grep -q "GNU GENERAL PUBLIC LICENSE" "$root/usr/share/doc/hamlinecalc/LICENSE" &&
    grep -q "END OF TERMS AND CONDITIONS" "$root/usr/share/doc/hamlinecalc/LICENSE" ||
    { echo "the installed LICENSE is not the GPL's full text"; exit 1; }

# The analyser's rule: its port to the user at the desk, and kept from ModemManager; udev reads it whole.
rule="$root/usr/lib/udev/rules.d/70-hamlinecalc-nanovna.rules"
grep -q 'ATTRS{idVendor}=="0483", ATTRS{idProduct}=="5740".*TAG+="uaccess"' "$rule" &&
    grep -q 'ATTRS{idVendor}=="0483", ATTRS{idProduct}=="5740".*ENV{ID_MM_DEVICE_IGNORE}="1"' "$rule" ||
    { echo "the udev rule does not give 0483:5740 to the user and keep it from ModemManager"; exit 1; }
if command -v udevadm > /dev/null && udevadm verify --help > /dev/null 2>&1; then
    udevadm verify "$rule"
fi

# The dependencies are computed from the binary's libraries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -q "$lib" <<< "$depends" || { echo "the package does not depend on $lib"; exit 1; }
done

desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" > /dev/null

# Start the installed program; Qt's own painting log tells when the window is first flushed to the screen.
log="$work/run.log"
set +o pipefail
QT_LOGGING_RULES="qt.widgets.painting=true" XDG_RUNTIME_DIR="$work" \
    timeout 30 xvfb-run -a -s "-screen 0 1280x1024x24" "$root/usr/bin/hamlinecalc" 2>&1 |
    grep -m1 "Flushing" > "$log" || true
set -o pipefail
if [ ! -s "$log" ]; then
    echo "the installed program did not paint its window"
    exit 1
fi
echo "first paint: $(cut -c1-80 "$log")"
