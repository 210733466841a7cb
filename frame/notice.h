// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a window tells assistive technology without a focus change.
#pragma once

#include <QString>
#include <QWidget>

namespace qv::frame {

// A notice to assistive technology, such as the results of a press: a
// widget not seen (a pixel at the window's corner, drawn as nothing, let
// through by the mouse), a notification to AT-SPI, which a screen reader
// speaks, by its name, as it appears, wherever the keyboard focus is.
class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget* window);
    // Shows the words anew (nothing shown: empty words).
    void tell(const QString& words);

    // Whether notices are told: while assistive technology listens (Qt's
    // bridge to it is active), or always where a test asks (setTellAlways),
    // on a platform without such a bridge.
    static bool wanted();
    static void setTellAlways(bool always);
};

} // namespace qv::frame
