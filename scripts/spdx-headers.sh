#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Gives each file of the tree that says nothing of its copyright and licence
# yet the project's header, in the file's own comment syntax, with
# reuse annotate (Debian 12's reuse 1.1, package reuse):
#   SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
#   SPDX-License-Identifier: GPL-3.0-or-later
# Files that already say it are skipped (--skip-existing), so a second run
# changes nothing. Left alone: the licence texts (LICENSE, LICENSES/), and the
# files that .reuse/dep5 speaks for because they cannot carry a comment (the
# icon, the screenshots, the fuzz seeds, and the Debian files whose formats
# have no comments). The metainfo template is CC0-1.0, as metainfo is.
# Ends with reuse lint. Usage: scripts/spdx-headers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quorvane_install reuse

# The files of the tree: tracked ones, and new ones that .gitignore does not name.
known=() python=() troff=() cc0=()
while IFS= read -r file; do
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    case $file in
    LICENSE | LICENSES/* | .reuse/*) ;;
    packaging/icons/* | docs/screenshots/*.png | fuzz/corpus/*) ;;
    debian/changelog | debian/copyright | debian/source/format) ;;
    packaging/*.metainfo.xml | packaging/*.metainfo.xml.in) cc0+=("$file") ;;
    *.1 | *.1.in) troff+=("$file") ;;
    # What reuse cannot tell by the name, with '#' comments.
    .ci/run | debian/control | debian/rules | debian/*.lintian-overrides | *.desktop | *.supp) python+=("$file") ;;
    *) known+=("$file") ;;
    esac
done < <(git ls-files --cached --others --exclude-standard | sort -u)

# .reuse/templates/quorvane.jinja2 keeps the two lines together, without the
# blank line reuse puts between them by default; troff.commented.jinja2 writes
# them as roff comments, for which reuse has no style of its own.
# annotate LICENCE TEMPLATE STYLE FILE...; no style: the one reuse knows by the name.
annotate() {
    local licence=$1 template=$2 style=$3
    shift 3
    (($#)) || return 0
    reuse annotate --copyright "Quorvane Calculator developers" --year 2026 --license "$licence" \
        --template "$template" ${style:+--style "$style"} --skip-existing "$@"
}
# Without a style, a file whose comment syntax reuse does not know stops the
# run before any file is changed, so that a new kind of file is not passed over.
annotate GPL-3.0-or-later quorvane "" "${known[@]}"
annotate GPL-3.0-or-later quorvane python "${python[@]}"
annotate GPL-3.0-or-later troff python "${troff[@]}"
annotate CC0-1.0 quorvane html "${cc0[@]}"
# reuse leaves a blank line after the header, which troff would print above
# the page's title: the first blank line after the leading comments goes.
for file in "${troff[@]}"; do
    awk 'lead && /^\.\\"/ { print; next } lead && /^$/ { lead = 0; next } { lead = 0; print }' lead=1 \
        "$file" >"$file.new"
    cat "$file.new" >"$file"
    rm "$file.new"
done
reuse lint
