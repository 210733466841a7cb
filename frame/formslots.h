// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One slot per calculator window, and the Open operation.
#pragma once

#include "window.h"
#include "form.h"
#include "numberlocale.h"
#include "placement.h"

#include <memory>
#include <vector>

class QWidget;

namespace qv::frame {

class FormSlots {
public:
    // beside: the window new calculator windows are first placed beside.
    FormSlots(NumberLocale locale, QWidget& beside);
    ~FormSlots();

    // Open: if the window's slot is empty, or holds a window the user has
    // closed, a new window is created with empty fields and loaded; then the
    // window is shown, modeless, and brought to the front. A window that is
    // already open keeps its fields; a minimised one is restored.
    Form* open(const CalculatorWindow& window);

    // The window while it is open, else nullptr.
    Form* openWindow(const CalculatorWindow& window) const;

private:
    Bars bars() const;

    struct Slot {
        const CalculatorWindow* window;
        std::unique_ptr<Form> form;
        unsigned long raised = 0; // when Open last brought it to the front
    };
    NumberLocale locale_;
    QWidget& beside_;
    std::vector<Slot> slots_;
    unsigned long raises_ = 0;
};

} // namespace qv::frame
