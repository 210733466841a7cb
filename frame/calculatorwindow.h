// A calculator window said once: its design table, its menu item, the button
// that calculates with its formula, and the button that resets with the
// fields it empties. The menus, the window slots, the screenshots and the
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
    struct {
        const char* button;
        Names fields; // emptied in this order, inputs and results alike
    } reset;
    Explanation explains = {};
};

// The declaration, checked when it compiles: its design is well formed
// (see wellFormed), the results and the fields Reset empties are text fields
// of its table, Calculate and Reset are two of its buttons, and the order
// Calculate writes in, where given, holds each result once. A window unit
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
    return window;
}

// The results in the order Calculate writes them.
std::vector<const char*> writeOrder(const CalculatorWindow& window);

// Creates the window with its controls in their designed state and runs its
// load handler: the result fields are locked and the focus is on the first
// tab stop. Calculate and Reset are wired to their buttons, Enter in a field
// presses Calculate, and the window offers no maximise button.
std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale);

} // namespace qv::frame
