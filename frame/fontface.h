// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fonts the windows show: each design font as a QFont, in the face that
// is installed, and which installed copy of a family the windows ask for.
#pragma once

#include "design.h"

#include <QFont>
#include <QString>

namespace qv::frame {

// A design font as it shows: its QFont, and how far apart a label's wrapped
// lines stand, in percent of the face's own line spacing.
struct ShownFont {
    QFont font;
    int lineHeight = 100;
};

// The design font as it shows: the design's family where it is installed,
// else its stand-in, set to take the family's room. Each design font becomes
// a QFont once, shared by every control that uses it.
const ShownFont& shownFont(const Font& font);

// The font a window without a font of its own shows its controls in.
const Font& windowFont(const FormDesign& design);
// The font a control shows its text in: its own, else its window's.
const Font& fontOf(const Control& control, const FormDesign& design);

// The family as Qt should be asked for it. Where a family is installed both
// as Type 1 files and in an sfnt container (OpenType or TrueType), as the URW
// faces are on Debian, Qt lists each copy under its foundry ("Nimbus Sans
// [urw]", "Nimbus Sans [UKWN]") and, asked for the bare family, takes a Type 1
// copy, which FreeType parses in full: ten times the work and more memory
// than the sfnt copy of the same design. This names the sfnt copy of the
// style asked for (weight 100..900, italic or upright) when there is one
// beside a Type 1 copy; otherwise, and without fontconfig, the family as given.
QString preferredFace(const QString& family, int weight, bool italic);

} // namespace qv::frame
