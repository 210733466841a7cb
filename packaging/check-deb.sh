#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package the way a user meets it. Builds the source package
# and from it the binary package with packaging/build-deb.sh, which runs
# every test during the build (DEB_BUILD_OPTIONS=nocheck skips them; the
# build's output is kept in build-deb/build.log), checks that ctest reported
# them all passed, runs lintian at its pedantic level,
# information tags shown, on the .dsc and the .deb (no tag at all; an
# override would give its reason), installs the package with apt-get, starts
# /usr/bin/quorvane on a virtual X server and waits for its main window to
# map, checks that the launcher entry, icon, metainfo and manual page are
# where a desktop and man look for them, then removes the package with
# apt-get and checks that none of its files is left.
# Installs what it needs itself; runs as root, since it installs and removes
# a package on this machine (CI is root). Usage: packaging/check-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    echo "check-deb: installs and removes the package on this machine: run it as root (sudo $0)" >&2
    exit 1
fi
start=$SECONDS
source scripts/setup.sh
quorvane_install dpkg-dev lintian xvfb xauth x11-utils man-db desktop-file-utils

id=io.github.quorvane.Calculator
if dpkg-query -W -f='${db:Status-Status}' quorvane 2>/dev/null | grep -qv '^not-installed$'; then
    echo "check-deb: quorvane is installed already; remove it first (apt-get purge quorvane)" >&2
    exit 1
fi

# The build's long output goes to build-deb/build.log; its end is shown if it fails.
log=$(mktemp)
echo "check-deb: building the package (DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-})"
if ! packaging/build-deb.sh >"$log" 2>&1; then
    tail -n 80 "$log" >&2
    echo "check-deb: the package build failed; its whole output is in $log" >&2
    exit 1
fi
mv "$log" build-deb/build.log
tail -n 1 build-deb/build.log
# The package's own test run: ctest's summary, unless the tests were skipped.
case " ${DEB_BUILD_OPTIONS:-} " in
*" nocheck "*) ;;
*)
    grep -E '^100% tests passed, 0 tests failed out of [0-9]+' build-deb/build.log \
        || { echo "check-deb: the package build ran no tests, or not all passed: see build-deb/build.log" >&2; exit 1; }
    ;;
esac
version=$(dpkg-parsechangelog -S Version)
dsc=build-deb/quorvane_$version.dsc
deb=build-deb/quorvane_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb

failures=0
fail() { echo "check-deb: $*" >&2; failures=$((failures + 1)); }

for package in "$dsc" "$deb"; do
    echo "check-deb: lintian --pedantic --display-info $package"
    lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$package" \
        || fail "lintian reports tags on $package"
done
# Qt's X11 platform plugin comes with a library the package depends on.
xcb=$(dpkg-query -S '*/qt6/plugins/platforms/libqxcb.so' 2>/dev/null | cut -d: -f1) || true
[ "$xcb" = libqt6gui6 ] || fail "libqxcb.so is in '$xcb', not in libqt6gui6"
dpkg-deb -f "$deb" Depends | grep -qw libqt6gui6 || fail "the package does not depend on libqt6gui6"

# The package's directories that exist before it is installed stay after it
# is removed; everything else it brings must go.
existing=$(mktemp)
work=$(mktemp -d)
installed=
cleanup() {
    [ -z "$installed" ] || DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quorvane >/dev/null || true
    rm -rf "$existing" "$work"
}
trap cleanup EXIT
dpkg-deb --contents "$deb" | awk '{print substr($6, 2)}' | while read -r path; do
    if [ -d "$path" ]; then echo "${path%/}"; fi
done >"$existing"

installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb"
dpkg-query -L quorvane >"$work/files"

# Where a desktop and man look: the program on PATH, the entry and metainfo
# under XDG_DATA_DIRS (/usr/share), the icon in the hicolor theme, the page
# in man's path.
[ "$(command -v quorvane)" = /usr/bin/quorvane ] || fail "quorvane is not /usr/bin/quorvane on PATH"
desktop=/usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    [ "$(sed -n 's/^Exec=//p' "$desktop")" = quorvane ] || fail "the entry does not start quorvane"
    [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the entry's icon is not $id"
else
    fail "missing $desktop"
fi
[ -f /usr/share/metainfo/$id.metainfo.xml ] || fail "missing /usr/share/metainfo/$id.metainfo.xml"
[ -f /usr/share/icons/hicolor/scalable/apps/$id.svg ] || fail "missing the scalable icon"
for size in 16 24 32 48 64 128 256; do
    [ -f /usr/share/icons/hicolor/${size}x${size}/apps/$id.png ] || fail "missing the ${size}x${size} icon"
done
page=$(man -w quorvane 2>/dev/null) || true
[ "$page" = /usr/share/man/man1/quorvane.1.gz ] || fail "man -w quorvane gives '$page'"
MANWIDTH=80 man quorvane 2>/dev/null | grep -q 'quorvane - desktop calculator' || fail "man quorvane does not show the page"

# The installed program, started from its path on an X server of its own,
# maps its main window: a window titled Quorvane Calculator, of WM_CLASS
# quorvane, whose _NET_WM_PID is the program's.
cat >"$work/start.sh" <<'EOF'
/usr/bin/quorvane 2>"$1/stderr" &
pid=$!
for _ in $(seq 150); do
    if info=$(xwininfo -name 'Quorvane Calculator' 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; then
        window=$(awk '/Window id:/ {print $4; exit}' <<<"$info")
        xprop -id "$window" WM_CLASS _NET_WM_PID >"$1/window"
        echo "$pid" >"$1/pid"
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
true
EOF
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    xvfb-run -a -s '-screen 0 1280x1024x24' bash "$work/start.sh" "$work" || true
if [ -f "$work/window" ]; then
    cat "$work/window"
    grep -q 'WM_CLASS(STRING) = "quorvane", "quorvane"' "$work/window" || fail "the main window's WM_CLASS is not quorvane"
    grep -qx "_NET_WM_PID(CARDINAL) = $(cat "$work/pid")" "$work/window" || fail "the mapped window is not the program's"
else
    fail "the main window of /usr/bin/quorvane did not map within 30 s"
    cat "$work/stderr" >&2
fi

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvane
installed=
status=$(dpkg-query -W -f='${db:Status-Status}' quorvane 2>/dev/null) || status=not-installed
[ "$status" = not-installed ] || fail "after apt-get remove, dpkg says quorvane is $status"
left=0
while read -r path; do
    if [ "$path" = /. ] || grep -qxF -- "$path" "$existing"; then continue; fi
    if [ -e "$path" ] || [ -L "$path" ]; then
        fail "left after removal: $path"
        left=$((left + 1))
    fi
done <"$work/files"
echo "check-deb: $(wc -l <"$work/files") paths installed, $left left after removal"

if [ "$failures" -ne 0 ]; then
    echo "check-deb: $failures failed" >&2
    exit 1
fi
echo "check-deb: $deb builds, is lintian-clean, installs, starts, and removes cleanly ($((SECONDS - start)) s)"
