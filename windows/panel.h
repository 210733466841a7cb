// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's arithmetic panel said once: its design table (the title,
// five operation rows, Calculate), the rows, and what Calculate, a click on a
// row's result and File, Reset do.
#pragma once

#include "calculatorwindow.h"

#include <span>

namespace qv::windows {

// One operation row: its check box, the operator and equals labels the box
// shows beside the row's fields, and its formula, which reads the row's
// inputs leniently and writes its result; a click on the result runs it.
// The fields the box shows are the formula's: its inputs in the order it
// reads them, the result last.
struct PanelRow {
    const char* box;
    Names labels;
    Program formula;
};

struct Panel {
    FormDesign design;
    std::span<const PanelRow> rows; // top to bottom: addition, subtraction, multiplication, power, factorial
    Handler calculate;              // every row in turn
    Program reset;                  // File, Reset: empties every field of the panel
    const char* title;              // the label with the calculator's name
};

// Each row names a check box and labels of the design, and each program
// reads and writes its text fields.
consteval Panel checked(const Panel& panel)
{
    wellFormed(panel.design);
    for (const Program p : {panel.calculate.Click, panel.reset})
        for (const formula::Node& n : p)
            if (n.field && !hasControl(panel.design, n.field->name, TextField))
                declarationError::noTextFieldNamed(n.field->name);
    for (const PanelRow& row : panel.rows) {
        allOfKind(panel.design, {row.box}, CheckBox);
        allOfKind(panel.design, row.labels, Label);
        for (const formula::Node& n : row.formula)
            if (n.field && !hasControl(panel.design, n.field->name, TextField))
                declarationError::noTextFieldNamed(n.field->name);
    }
    allOfKind(panel.design, {panel.calculate.button}, Button);
    allOfKind(panel.design, {panel.title}, Label);
    return panel;
}

extern const Panel mainPanel;

} // namespace qv::windows
