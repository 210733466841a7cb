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

// The pixels a line edit gives its text, as its style draws it: the contents
// rectangle inside the style's frame, less the margin the line edit keeps on
// either side of its text and the cursor's pixel. This is the one place the
// room is computed; it depends on the field's width and style alone.
int textRoom(const QLineEdit& field);

// The font in which text fits into room pixels: font itself where the text
// fits, else the same face smaller, in quarter points, as far as it needs,
// but not below 60 % of its size (a text that does not fit even there is cut
// at its end). A pure function of its arguments.
//   fittedFont("154", comic9_75, 105).pointSizeF() == 9.75
//   fittedFont("-1.23456789012346E-308", comic9_75, 105).pointSizeF() < 9.75
QFont fittedFont(const QString& text, const QFont& font, int room);

} // namespace qv::frame
