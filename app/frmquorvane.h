// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: title, arithmetic panel and the menu bar that opens every
// calculator window.
#pragma once

#include "calculatorwindow.h"
#include "form.h"
#include "formslots.h"
#include "numberlocale.h"

#include <QMainWindow>

#include <span>

namespace qv::app {

// One operation row of the arithmetic panel: its check box, the fields the
// box shows (the inputs in the order the formula reads them, the result
// last), its operator and equals labels, its formula, which reads the
// inputs leniently and writes the result, the formula as the result's
// tooltip gives it (see frame::Formula), and the row as one line of text
// ("%1 + %2 = %3": the fields' texts in their order) for "Copy all".
struct PanelRow {
    const char* box;
    frame::Names fields;
    frame::Names labels;
    frame::Handler formula;
    const char* formulaText;
    const char* line;

    const char* result() const { return *(fields.end() - 1); }
};

class frmquorvane : public QMainWindow {
    Q_OBJECT

public:
    explicit frmquorvane(const NumberLocale& locale);

    // The five rows, top to bottom: addition, subtraction, multiplication,
    // power and factorial.
    static std::span<const PanelRow> rows();

    // Each ticked row as one line, "2 + 3 = 5", top to bottom.
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
