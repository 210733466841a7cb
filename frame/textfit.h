// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fitting a number into its field, so that every digit and the exponent are
// seen: a text wider than its field shows in a smaller size of the field's
// own face.
#pragma once

#include <QFont>
#include <QString>

class QLineEdit;

namespace qv::frame {

// The pixels a line edit gives its text in that font, as its style draws
// it: the contents rectangle inside the style's frame, less the margin the
// line edit keeps on either side of its text and the cursor's pixel. This
// is the one place the room is computed; it depends on the field's width,
// its style and the font alone (a style may draw its frame only where the
// field is tall enough for it and the font, as KDE's Breeze does).
int textRoom(const QLineEdit& field, const QFont& font);

// The font in which text fits into room pixels: font itself where the text
// fits, else the same face smaller, in quarter points, as far as it needs,
// but not below 60 % of its size (a text that does not fit even there is cut
// at its end). A text takes the width a line edit lays it out in, the
// overhang of its last glyph beyond its advance included. A pure function
// of its arguments.
//   fittedFont("154", comic9_75, 105).pointSizeF() == 9.75
//   fittedFont("-1.23456789012346E-308", comic9_75, 105).pointSizeF() < 9.75
QFont fittedFont(const QString& text, const QFont& font, int room);

// The font in which text fits into the field: fittedFont in the room the
// field has for that font, again in the room the fitted font has where the
// style gives a smaller face less room.
QFont fittedFont(const QString& text, const QFont& font, const QLineEdit& field);

} // namespace qv::frame
