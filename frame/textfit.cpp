// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace qv::frame {

int textRoom(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
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
    // for kerning); only the others are measured whole.
    const QFontMetricsF metrics(font);
    qreal width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    if (width + 1 <= room || metrics.horizontalAdvance(text) <= room)
        return font;
    // Widths grow about in proportion to the size: a first guess, then
    // quarter points down until it fits, not below the floor.
    QFont fitted = font;
    const double size = font.pointSizeF();
    const double floor = size * 0.6;
    const double guess = size * room / std::max(width, qreal(1));
    fitted.setPointSizeF(std::clamp(std::floor(guess * 4) / 4, floor, size));
    while (QFontMetricsF(fitted).horizontalAdvance(text) > room && fitted.pointSizeF() - 0.25 >= floor)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    return fitted;
}

} // namespace qv::frame
