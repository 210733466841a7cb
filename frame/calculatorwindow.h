// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator window said once: its design table, its menu item, the button
// that calculates with its formula, the formula of each result as the user
// reads it, and the button that resets with the fields it empties. The menus, the window slots, the screenshots and the
// benchmark read this description; the tests find the windows by it, and
// write down apart from it what each must do.
#pragma once

#include "form.h"
#include "formdesign.h"
#include "numberlocale.h"

#include <memory>
#include <vector>

namespace qv::frame {

struct Menu {
    const char* name;    // mnucal
    const char* caption; // "Calculation"
};

struct MenuItem {
    const Menu* menu;
    const char* name;    // mnudiv
    const char* caption; // "Division"
};

// A click handler, named after its button and event (Command2_Click): it
// reads its fields and writes its results through the window.
using Handler = void (*)(Form&);

// The window's own words for a failure of one cause, where it knows better
// than the arithmetic what the failure means to the user.
struct Explanation {
    Cause cause = Cause::NotANumber;
    const char* words = nullptr; // nullptr: the arithmetic's words
};

// The formula behind a result as the user reads it, in its tooltip and its
// accessible description: the result's name, " = ", and the steps in the
// order Calculate evaluates them, with the operators × ÷ + − ^, left to
// right, × and ÷ before + and −, ^ first, parentheses where the order is
// otherwise; the inputs by the words their labels use, an earlier result by
// its name, and a helper value by a letter given after ", where ":
//   "curved surface area = 22 × radius × slant height ÷ 7"
// A static string: it is turned into text only when shown.
struct Formula {
    const char* result; // the field it computes
    const char* text;
};

struct CalculatorWindow {
    FormDesign design;
    MenuItem item;
    // The result fields, which Form_Load locks in this order.
    Names results;
    struct {
        const char* button;
        Handler Click;
        // The results in the order Click writes them, where that is not the
        // order above; a failure's message names the first not written yet.
        Names writes = {};
    } calculate;
    // One for each result, in the order Calculate writes them.
    std::initializer_list<Formula> formulas;
    // What the formulas take π as ("22/7"); nullptr where they use none.
    const char* pi = nullptr;
    struct {
        const char* button;
        Names fields; // emptied in this order, inputs and results alike
    } reset;
    Explanation explains = {};
};

// The declaration, checked when it compiles: its design is well formed
// (see wellFormed), the results and the fields Reset empties are text fields
// of its table, Calculate and Reset are two of its buttons, the order
// Calculate writes in, where given, holds each result once, and so do the
// formulas. A window unit
// declares its window as a constant and defines the window from it:
//   constexpr CalculatorWindow declaration{...};
//   extern constinit const CalculatorWindow frmdiv = checked(declaration);
consteval const CalculatorWindow& checked(const CalculatorWindow& window)
{
    wellFormed(window.design);
    allOfKind(window.design, window.results, TextField);
    allOfKind(window.design, window.reset.fields, TextField);
    allOfKind(window.design, {window.calculate.button, window.reset.button}, Button);
    if (detail::sameName(window.calculate.button, window.reset.button))
        declarationError::sameButtonCalculatesAndResets(window.reset.button);
    if (window.calculate.writes.size() != 0) {
        if (window.calculate.writes.size() != window.results.size())
            declarationError::writesAreNotTheResults(window.design.name);
        for (const char* written : window.calculate.writes) {
            bool result = false;
            for (const char* r : window.results)
                result = result || detail::sameName(r, written);
            if (!result)
                declarationError::writesAreNotTheResults(written);
        }
    }
    if (window.formulas.size() != window.results.size())
        declarationError::formulasAreNotOnePerResult(window.design.name);
    for (auto f = window.formulas.begin(); f != window.formulas.end(); ++f) {
        bool result = false;
        for (const char* r : window.results)
            result = result || detail::sameName(r, f->result);
        for (auto before = window.formulas.begin(); before != f; ++before)
            result = result && !detail::sameName(before->result, f->result);
        if (!result || !f->text)
            declarationError::formulasAreNotOnePerResult(f->result);
    }
    return window;
}

// The results in the order Calculate writes them.
std::vector<const char*> writeOrder(const CalculatorWindow& window);

// The fields the user types into: what Reset empties that is not a result,
// in Reset's order.
std::vector<const char*> inputs(const CalculatorWindow& window);

// The window as plain text, for the clipboard: one line for each field, its
// label's words (as a failure's message names it), a tab and its text, the
// inputs first and then the results, in the order Calculate reads and writes
// them; then, where the formulas take π as a fraction, "π taken as 22/7".
QString copyAllText(const CalculatorWindow& window, const Form& form);

// Creates the window with its controls in their designed state and runs its
// load handler: the result fields are locked and the focus is on the first
// tab stop. Calculate and Reset are wired to their buttons, Enter in a field
// presses Calculate, and the window offers no maximise button. Each result
// knows its formula, and the window offers "Copy all".
std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale);

} // namespace qv::frame
