#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The catalogues of translations/ are complete: every word the program writes
# itself is in each, translated, and none holds a word the program no longer
# writes. lupdate reads the sources into the catalogues, as
#   cmake --build build --target update_translations
# does; nothing may then have changed, and nothing be unfinished or vanished.
# Needs a configured build directory ($QUORVANE_BUILD_DIR, else build).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${QUORVANE_BUILD_DIR:-build}
cmake --build "$dir" --target update_translations >/dev/null
status=0
if ! git diff --quiet -- translations/; then
    echo "check-translations: the catalogues differ from the sources' words (update_translations changed them):" >&2
    git diff --stat -- translations/ >&2
    status=1
fi
if grep -n -E 'type="(unfinished|vanished|obsolete)"' translations/*.ts >&2; then
    echo "check-translations: the entries above are untranslated or no longer in the sources" >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "check-translations: $(ls translations/*.ts | wc -l) catalogues, complete"
exit "$status"
