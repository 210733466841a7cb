#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The version is written in one place, project(VERSION) in CMakeLists.txt.
# Fails when debian/changelog's latest entry names another upstream version,
# and, given a build directory (build/ by default, where it exists), when the
# manual page or the AppStream release made there say another.
# Needs dpkg-parsechangelog (dpkg-dev). Usage: packaging/check-version.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${QUORVANE_BUILD_DIR:-build}}

failures=0
fail() { echo "check-version: $*" >&2; failures=$((failures + 1)); }

version=$(sed -En 's/^[[:space:]]*project[[:space:]]*\([[:space:]]*quorvane[[:space:]]+VERSION[[:space:]]+([0-9][0-9.]*).*/\1/p' CMakeLists.txt)
if [ -z "$version" ]; then
    echo "check-version: no project(quorvane VERSION ...) in CMakeLists.txt" >&2
    exit 1
fi

# A Debian version is [epoch:]upstream[-revision]; a native package has no revision.
debian=$(dpkg-parsechangelog -S Version)
upstream=${debian#*:}
[ "$(cat debian/source/format)" = "3.0 (native)" ] || upstream=${upstream%-*}
[ "$upstream" = "$version" ] || fail "debian/changelog says $debian, CMakeLists.txt says $version"

checked="CMakeLists.txt and debian/changelog ($debian)"
if [ -d "$build/packaging" ]; then
    checked="$checked, and the manual page and metainfo in $build"
    page=$build/packaging/quorvane.1
    metainfo=$build/packaging/io.github.quorvane.Calculator.metainfo.xml
    [ -f "$page" ] || fail "$page was not made"
    [ -f "$metainfo" ] || fail "$metainfo was not made"
    [ ! -f "$page" ] || head -n 20 "$page" | grep -q "^\.TH QUORVANE 1 [0-9-]* \"quorvane $version\"" \
        || fail "$page does not carry version $version"
    [ ! -f "$metainfo" ] || grep -q "<release version=\"$version\"" "$metainfo" \
        || fail "$metainfo's release is not $version"
fi

if [ "$failures" -ne 0 ]; then
    echo "check-version: $failures failed" >&2
    exit 1
fi
echo "check-version: $version in $checked"
