#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source package and, from it, the binary package, the
# Debian way: installs the build dependencies that debian/control names and
# this machine is missing (apt-get, through sudo when not root), makes the
# source package from a copy of the tree (dpkg-buildpackage -S), unpacks it
# again (dpkg-source -x) and builds the binary package from what it holds
# (dpkg-buildpackage -b), so the source package is known to build. The tree
# and its parent directory get none of the build's files. The package is
# native (format 3.0 (native)): this tree is its own upstream, and the source
# package is the tree. Everything lands in build-deb/, named after the
# version in debian/changelog (here V) and the machine's architecture (A):
#   build-deb/quorvane_V.dsc, quorvane_V.tar.xz     the source package
#   build-deb/quorvane_V_A.deb                      the package
#   build-deb/quorvane-dbgsym_V_A.deb               its debugging symbols
#   build-deb/quorvane_V_source.{buildinfo,changes}, quorvane_V_A.{buildinfo,changes}
# The tests run during the build, every one (debian/rules: on Qt's offscreen
# platform, a virtual X server, a headless weston and an AT-SPI bus, as a build
# machine can), unless DEB_BUILD_OPTIONS contains nocheck.
# Usage: packaging/build-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "build-deb: $1 needs root, and there is no sudo." >&2
        return 1
    fi
}

quorvane_install dpkg-dev
if ! dpkg-checkbuilddeps 2>/dev/null; then
    echo "build-deb: installing the build dependencies of debian/control"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends ./
    dpkg-checkbuilddeps
fi

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
out=build-deb
src=$out/quorvane-$version
rm -rf "$out"
mkdir -p "$src"
# The sources as they are in the tree, committed or not, without the
# repository and what .gitignore names (build directories, editor files).
tar --exclude=./.git --exclude='./build*' --exclude='./obj-*' --exclude=./.cache --exclude='*.user' \
    -cf - . | tar -xf - -C "$src"

# The source package, from the copy; then the copy goes.
(cd "$src" && dpkg-buildpackage -S -us -uc)
rm -rf "$src"
dsc=$out/quorvane_$version.dsc
[ -f "$dsc" ] || { echo "build-deb: $dsc was not made" >&2; exit 1; }

# The binary package, from the unpacked source package alone.
dpkg-source -x "$dsc" "$src"
export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-}
case " $DEB_BUILD_OPTIONS " in
*" parallel="*) ;;
*) DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
(cd "$src" && dpkg-buildpackage -b -us -uc)
rm -rf "$src"

deb=$out/quorvane_${version}_${arch}.deb
[ -f "$deb" ] || { echo "build-deb: $deb was not made" >&2; exit 1; }
echo "build-deb: $dsc"
echo "build-deb: $deb"
