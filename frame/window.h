// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A calculator window's description made into a window of widgets.
#pragma once

#include "calculatorwindow.h"
#include "form.h"
#include "numberlocale.h"

#include <QString>

#include <memory>

namespace qv::frame {

using windows::CalculatorWindow;

// Creates the window with its controls in their designed state and runs its
// load handler: the result fields (those Calculate writes) are locked and
// the focus is on the first tab stop. Calculate and Reset are wired to
// their buttons, Enter in a field presses Calculate, and the window offers
// no maximise button. Each result shows its formula, and the window offers
// "Copy all".
std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale);

// The window as plain text, for the clipboard: one line for each field, the
// words the user knows it by, a tab and its text, the inputs in the order
// Calculate reads them, then the results in the order it writes them; then,
// where a formula takes π, "π taken as 22/7".
QString copyAllText(const CalculatorWindow& window, const Form& form);

} // namespace qv::frame
