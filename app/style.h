// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's widget style: the platform's own, except that icons which
// widgets ask for while they are built, but seldom show, load when first
// drawn, and that the menu bar shows the title chosen from the keyboard.
#pragma once

#include <QProxyStyle>

namespace qv::app {

class Style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // The menu bar's overflow arrow (shown only when its menus do not fit):
    // reading its image files would load the image plugins at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // A menu title chosen with Alt and the arrow keys is drawn highlighted,
    // as it is when its menu is open (Windows-like styles do this; Fusion
    // highlights only an open menu's title, so Alt seemed to do nothing).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace qv::app
