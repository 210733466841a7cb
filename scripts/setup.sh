# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by run.sh and test.sh from the project's root: installs what a fresh
# Debian 12 machine is missing, then configures and builds in Release.
# Quick when nothing changed: no apt-get call, and the build is incremental.

# Qt's Linguist tools (qt6-tools-dev for CMake, qt6-l10n-tools for lupdate and
# lrelease) make the catalogues of the program's own words.
quorvane_packages=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxcb1-dev fontconfig
                   fonts-comic-neue fonts-urw-base35 libfontconfig-dev)
# What only the tests and fuzz targets need (test.sh and scripts/reliability.sh
# install these, run.sh does not): GNU MPFR, the reference for the number
# rules; xvfb-run (xvfb, xauth), for the test that reads the windows' titles
# from a virtual X server; a headless Wayland compositor with its X server and
# Qt's Wayland plugin (weston, xwayland, qt6-wayland) and xwininfo (x11-utils),
# for the tests that start the calculator on a Wayland desktop; Qt's
# catalogues (qt6-translations-l10n), for the test of Qt's own words under a
# German desktop; a D-Bus session, the accessibility bus with its registry and
# Python's AT-SPI client (dbus-daemon, at-spi2-core, python3-gi,
# gir1.2-atspi-2.0), for the test that listens to what a screen reader is told.
quorvane_test_packages=(libmpfr-dev xvfb xauth weston xwayland qt6-wayland x11-utils qt6-translations-l10n
                        dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0)

quorvane_install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}) and no sudo to install them." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    quorvane_installed=1
}

# quorvane_build [--tests] [TARGET...]: configures once, and again after
# packages were installed (CMake looks for what they bring only when it
# configures), then builds the targets named (everything when none is named).
# With --tests the build has the tests (BUILD_TESTING, which needs GNU MPFR),
# every one of them: a test that needs a program this machine lacks stops the
# configuring (QUORVANE_REQUIRE_ALL_TESTS) rather than being left out. Without,
# a new build directory is configured for the calculator alone and an existing
# one is left as it is. Options set before (cmake -D...) stay.
quorvane_build() {
    local dir=${QUORVANE_BUILD_DIR:-build} testing=OFF targets=()
    if [ "${1:-}" = --tests ]; then
        testing=ON
        shift
    fi
    if [ ! -f "$dir/CMakeCache.txt" ] || [ -n "${quorvane_installed:-}" ] \
        || { [ "$testing" = ON ] && ! { grep -qx 'BUILD_TESTING:BOOL=ON' "$dir/CMakeCache.txt" \
            && grep -qx 'QUORVANE_REQUIRE_ALL_TESTS:BOOL=ON' "$dir/CMakeCache.txt"; }; }; then
        local with=()
        [ "$testing" = ON ] || [ -f "$dir/CMakeCache.txt" ] || with=(-DBUILD_TESTING=OFF)
        [ "$testing" = OFF ] || with=(-DBUILD_TESTING=ON -DQUORVANE_REQUIRE_ALL_TESTS=ON)
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "${with[@]}"
    fi
    (($#)) && targets=(--target "$@")
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
