// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: title, arithmetic panel and the menu bar that opens every
// calculator window.
#pragma once

#include "form.h"
#include "formslots.h"
#include "numberlocale.h"

#include <QMainWindow>


namespace qv::app {

class frmquorvane : public QMainWindow {
    Q_OBJECT

public:
    explicit frmquorvane(const NumberLocale& locale);

    // Each ticked row that was calculated as one line, what it computed with
    // the numbers it used, "2 + 3 = 5", "(-2) ^ 2 = 4", top to bottom.
    QString copyAllText() const;

    // The arithmetic panel and title: the window's client area.
    frame::Form& panel() { return *panel_; }
    frame::FormSlots& windows() { return windows_; }

private:
    void buildMenus();
    void keepTitleBarOnScreen();
    void Form_Load();

    frame::Form* panel_; // owned by this window, as its central widget
    frame::FormSlots windows_;
};

} // namespace qv::app
