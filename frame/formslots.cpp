#include "formslots.h"

#include <QRect>

#include <algorithm>
#include <iterator>

namespace qv::frame {

FormSlots::FormSlots(NumberLocale locale, QWidget* beside) : locale_(std::move(locale)), beside_(beside) {}

FormSlots::~FormSlots() = default;

Form* FormSlots::open(const CalculatorWindow& window)
{
    auto it = std::find_if(slots_.begin(), slots_.end(), [&window](const Slot& s) { return s.window == &window; });
    if (it == slots_.end()) {
        slots_.push_back({&window, nullptr});
        it = slots_.end() - 1;
    }
    // A closed window is only hidden; its replacement starts afresh.
    if (!it->form || !it->form->isVisible()) {
        it->form = load(window, locale_);
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

Form* FormSlots::openWindow(const CalculatorWindow& window) const
{
    for (const Slot& s : slots_)
        if (s.window == &window && s.form && s.form->isVisible())
            return s.form.get();
    return nullptr;
}

} // namespace qv::frame
