// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace qv::frame {
namespace {

// The width a line edit lays the text out in: its glyphs' advances, and
// the last glyph's overhang beyond its advance (a 7's stroke, an italic's).
qreal laidOutWidth(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout(); // lays the line out
    return line.naturalTextWidth();
}

} // namespace

int textRoom(const QLineEdit& field, const QFont& font)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.fontMetrics = QFontMetrics(font, &field);
    option.rect = field.rect();
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (field.isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    // The line edit keeps two pixels either side of its text, and one for the cursor.
    return contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

QFont fittedFont(const QString& text, const QFont& font, int room)
{
    // Most results fit at the field's own size, as the sum of their
    // characters' widths shows without laying the text out (a pixel is kept
    // for kerning and for the last glyph's overhang); only the others are
    // measured whole.
    const QFontMetricsF metrics(font);
    qreal width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    if (width + 1 <= room || laidOutWidth(text, font) <= room)
        return font;
    // Widths grow about in proportion to the size: a first guess, then
    // quarter points down until it fits, not below the floor.
    QFont fitted = font;
    const double size = font.pointSizeF();
    const double floor = size * 0.6;
    const double guess = size * room / std::max(width, qreal(1));
    fitted.setPointSizeF(std::clamp(std::floor(guess * 4) / 4, floor, size));
    while (laidOutWidth(text, fitted) > room && fitted.pointSizeF() - 0.25 >= floor)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    return fitted;
}

QFont fittedFont(const QString& text, const QFont& font, const QLineEdit& field)
{
    int room = textRoom(field, font);
    for (;;) {
        QFont fitted = fittedFont(text, font, room);
        const int left = fitted == font ? room : textRoom(field, fitted);
        if (left >= room)
            return fitted;
        room = left; // less room in the smaller face: fitted again into that
    }
}

} // namespace qv::frame
