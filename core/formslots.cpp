#include "formslots.h"

#include <QRect>

#include <algorithm>
#include <iterator>

namespace qv::frame {

FormSlots::FormSlots(NumberLocale locale, QWidget* beside) : locale_(std::move(locale)), beside_(beside) {}

FormSlots::~FormSlots() = default;

Form* FormSlots::open(FormFactory make)
{
    auto it = std::find_if(slots_.begin(), slots_.end(), [make](const Slot& s) { return s.make == make; });
    if (it == slots_.end()) {
        slots_.push_back({make, nullptr});
        it = slots_.end() - 1;
    }
    // A closed window is only hidden; its replacement starts afresh.
    if (!it->form || !it->form->isVisible()) {
        it->form = make(locale_);
        it->form->load();
        if (beside_) {
            // Cascade to the right of the main window, so that each new window is seen.
            const int step = 24 * int(std::distance(slots_.begin(), it) % 8);
            const QRect main = beside_->frameGeometry();
            it->form->move(main.right() + 16 + step, main.top() + step);
        }
    }
    // A minimised window is restored: choosing its menu item means wanting to see it.
    it->form->setWindowState(it->form->windowState() & ~Qt::WindowMinimized);
    it->form->show();
    it->form->raise();
    it->form->activateWindow();
    return it->form.get();
}

Form* FormSlots::openWindow(FormFactory make) const
{
    for (const Slot& s : slots_)
        if (s.make == make && s.form && s.form->isVisible())
            return s.form.get();
    return nullptr;
}

} // namespace qv::frame
