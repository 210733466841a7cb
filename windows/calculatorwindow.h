// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator window said once: its design table, its menu item, and its
// two buttons with what they do, Calculate its formulas as a program (see
// formula.h), Reset the fields it empties. Everything else is derived from
// these: the results (the fields Calculate writes, which Form_Load locks),
// the inputs (the fields it reads), each result's formula text, whether it
// takes π. The menus, the window slots, the screenshots and the benchmark
// read this description; the tests find the windows by it, and write down
// apart from it what each must do. Nothing here needs a widget: the frame
// adapts a description to Qt's widgets.
#pragma once

#include "failure.h"
#include "formdesign.h"
#include "formula.h"

#include <functional>
#include <string>

namespace qv::windows {

using formula::Field;
using formula::Program;

struct Menu {
    const char* name;    // mnucal
    const char* caption; // "Calculation"
};

struct MenuItem {
    const Menu* menu;
    const char* name;    // mnudiv
    const char* caption; // "Division"
};

// A button and the program its click handler runs (Command2_Click).
struct Handler {
    const char* button;
    Program Click;
};

// The window's own words for a failure of one cause, where it knows better
// than the arithmetic what the failure means to the user.
struct Explanation {
    Cause cause = Cause::NotANumber;
    const char* words = nullptr; // nullptr: the arithmetic's words
};

struct CalculatorWindow {
    FormDesign design;
    MenuItem item;
    Handler calculate; // reads its fields and writes its results
    Handler reset;     // empties its fields, inputs and results alike
    Explanation explains = {};
};

// The declaration, checked when it compiles: its design is well formed
// (see wellFormed), every field its programs read, write or empty is a text
// field of its table, no result is written twice, and Calculate and Reset
// are two buttons of its table. A window unit declares its window from
// constants and defines the window from it:
//   extern constinit const CalculatorWindow frmdiv = checked({...});
consteval CalculatorWindow checked(const CalculatorWindow& window)
{
    wellFormed(window.design);
    for (const Handler& h : {window.calculate, window.reset})
        for (const formula::Node& n : h.Click)
            if (n.field && !hasControl(window.design, n.field->name, TextField))
                declarationError::noTextFieldNamed(n.field->name);
    const Program c = window.calculate.Click;
    for (auto n = c.begin(); n != c.end(); ++n)
        for (auto before = c.begin(); before != n; ++before)
            if (n->op == formula::Op::Write && before->op == formula::Op::Write
                && detail::sameName(n->field->name, before->field->name))
                declarationError::resultWrittenTwice(n->field->name);
    allOfKind(window.design, {window.calculate.button, window.reset.button}, Button);
    if (detail::sameName(window.calculate.button, window.reset.button))
        declarationError::sameButtonCalculatesAndResets(window.reset.button);
    return window;
}

// The words of a failed run's message: the failure described (describe),
// with the field it names (formula::failedField) by the words the user knows
// it by (userName), whether that field is out of sight (hidden, asked of
// the window), the text it could not read, and the window's own words for
// the failure where it has them; in the user's language where a translate
// is given.
//   frmdiv, txt1 "1", txt2 "0": "Division by zero: 1 cannot be divided by 0 (computing “The Quotient”)."
std::string failureMessage(const FormDesign& design, Program program, const formula::Outcome& outcome,
                           const formula::Sheet& fields, const NumberLocale& locale,
                           const Explanation& explains = {},
                           const std::function<bool(const char* field)>& hidden = {},
                           const Translate& translate = {});

} // namespace qv::windows
