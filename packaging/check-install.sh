#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built calculator into a temporary prefix and checks that each
# file lands where a desktop (or man) looks for it, that the launcher entry and the
# AppStream description validate (appstreamcli at its pedantic level), and that
# they name the program, the icon and each other consistently. Needs
# desktop-file-validate (desktop-file-utils), appstreamcli (appstream) and
# groff (groff-base).
# Usage: packaging/check-install.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${QUORVANE_BUILD_DIR:-build}}
id=io.github.quorvane.Calculator
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "check-install: $*" >&2; failures=$((failures + 1)); }
expect_file() { [ -f "$prefix/$1" ] || fail "missing $1"; }

expect_file bin/quorvane
[ -x "$prefix/bin/quorvane" ] || fail "bin/quorvane is not executable"
expect_file share/applications/$id.desktop
expect_file share/metainfo/$id.metainfo.xml
expect_file share/icons/hicolor/scalable/apps/$id.svg
expect_file share/man/man1/quorvane.1
# The manual page formats without a single warning from groff (lintian names
# each one as a fault of the package).
if [ -f "$prefix/share/man/man1/quorvane.1" ]; then
    warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man1/quorvane.1" 2>&1) || true
    [ -z "$warnings" ] || fail "the manual page warns: $warnings"
fi
for size in 16 24 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/$id.png
    expect_file "$png"
    if [ -f "$prefix/$png" ]; then
        # A PNG's width and height are the big-endian words at bytes 16 and 20.
        dims=$(od -An -tu1 -j16 -N8 "$prefix/$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "$png is $dims, not ${size}x${size}"
    fi
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
    entry() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(entry Exec | cut -d' ' -f1)" = quorvane ] || fail "Exec does not start quorvane"
    [ "$(entry Icon)" = "$id" ] || fail "Icon is not $id"
    [ "$(entry StartupWMClass)" = quorvane ] || fail "StartupWMClass is not the program's WM_CLASS quorvane"
    entry Categories | grep -qx 'Utility;Calculator;' || fail "Categories are not Utility;Calculator;"
fi
if [ -f "$metainfo" ]; then
    # At its pedantic level appstreamcli may say one thing only: that the id
    # has capitals. The id stays as it is: it names the desktop file, the icon
    # and the Wayland app id. AppStream before 1.0 (Debian 12 has 0.16) also
    # does not know the developer tag that 1.0 brought; the metainfo carries
    # developer_name beside it for those versions.
    report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli rejects $id.metainfo.xml"
    echo "$report"
    expected=' cid-contains-uppercase-letter '
    appstream=$(appstreamcli --version | sed -n 's/^AppStream version: //p')
    if dpkg --compare-versions "${appstream:-0}" lt 1.0; then
        expected="$expected| unknown-tag developer$"
    fi
    others=$(grep -E '^[EWIP]: ' <<<"$report" | grep -vE "$expected") || true
    [ -z "$others" ] || fail "appstreamcli --pedantic says more than that the id has capitals: $others"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "the metainfo does not launch $id.desktop"
fi

# The installed program starts (its libraries resolve) and keeps running until stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/quorvane" >/dev/null 2>&1
rc=$?
set -e
[ "$rc" -eq 124 ] || fail "the installed program did not start (exit $rc)"

if [ "$failures" -ne 0 ]; then
    echo "check-install: $failures failed" >&2
    exit 1
fi
echo "check-install: the program, launcher entry, icons, metainfo and manual page install under the prefix and validate"
