// One slot per calculator form, and the Open operation.
#pragma once

#include "form.h"
#include "numberlocale.h"

#include <memory>
#include <vector>

class QWidget;

namespace qv::frame {

using FormFactory = std::unique_ptr<Form> (*)(const NumberLocale&);

class FormSlots {
public:
    // beside: the window new calculator windows are first placed beside.
    FormSlots(NumberLocale locale, QWidget* beside);
    ~FormSlots();

    // Open: if the form's slot is empty, or holds a window the user has
    // closed, a new window is created with empty fields and loaded; then the
    // window is shown, modeless, and brought to the front. A window that is
    // already open keeps its fields; a minimised one is restored.
    Form* open(FormFactory make);

    // The form's window while it is open, else nullptr.
    Form* openWindow(FormFactory make) const;

private:
    struct Slot {
        FormFactory make;
        std::unique_ptr<Form> form;
    };
    NumberLocale locale_;
    QWidget* beside_;
    std::vector<Slot> slots_;
};

} // namespace qv::frame
