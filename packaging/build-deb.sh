#!/usr/bin/env bash
# Builds the Debian package the Debian way: installs the build dependencies
# that debian/control names and this machine is missing (apt-get, through
# sudo when not root), then runs dpkg-buildpackage -b -us -uc on a copy of
# the tree, so that neither the tree nor its parent directory gets the
# build's files. Everything lands in build-deb/:
#   build-deb/quorvane_1.0.0-1_amd64.deb          the package
#   build-deb/quorvane-dbgsym_1.0.0-1_amd64.deb   its debugging symbols
#   build-deb/quorvane_1.0.0-1_amd64.{buildinfo,changes}
# The tests run during the build, on Qt's offscreen platform, unless
# DEB_BUILD_OPTIONS contains nocheck. Usage: packaging/build-deb.sh
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
src=$out/quorvane-${version%-*}
rm -rf "$out"
mkdir -p "$src"
# The sources as they are in the tree, committed or not; no build directories.
tar --exclude-vcs --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$src"

export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-}
case " $DEB_BUILD_OPTIONS " in
*" parallel="*) ;;
*) DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
(cd "$src" && dpkg-buildpackage -b -us -uc)
rm -rf "$src"

deb=$out/quorvane_${version}_${arch}.deb
[ -f "$deb" ] || { echo "build-deb: $deb was not made" >&2; exit 1; }
echo "build-deb: $deb"
