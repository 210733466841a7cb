// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The palettes desktops give Qt programs: Fusion's dark colours, which dark themes use,
// and a high-contrast set of white and yellow on black. The caption test checks every
// text under them; the screenshot tool takes its pictures in them.
#pragma once

#include <QPalette>
#include <QString>

#include <initializer_list>
#include <utility>

namespace qvtest {

inline QPalette desktopPalette(const QString& name)
{
    const bool dark = name == QLatin1String("dark");
    const QColor back = dark ? QColor(53, 53, 53) : QColor(Qt::black), text = dark ? QColor(Qt::white) : QColor(Qt::yellow);
    const QColor base = dark ? QColor(42, 42, 42) : back, accent = dark ? QColor(42, 130, 218) : text;
    QPalette p(back); // the shades of the frames and bevels, from the window's colour
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, back}, {QPalette::Button, back}, {QPalette::ToolTipBase, back}, {QPalette::WindowText, Qt::white},
             {QPalette::ButtonText, Qt::white}, {QPalette::ToolTipText, Qt::white}, {QPalette::Base, base},
             {QPalette::AlternateBase, dark ? QColor(66, 66, 66) : base}, {QPalette::Text, text},
             {QPalette::PlaceholderText, dark ? QColor(160, 160, 160) : text}, {QPalette::Link, accent},
             {QPalette::Highlight, accent}, {QPalette::HighlightedText, Qt::black}})
        p.setColor(role, colour);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dark ? QColor(127, 127, 127) : QColor(0, 255, 0));
    return p;
}

} // namespace qvtest
