// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formslots.h"

#include "placement.h"

#include <QMainWindow>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <iterator>

namespace qv::frame {

FormSlots::FormSlots(NumberLocale locale, QWidget& beside) : locale_(std::move(locale)), beside_(beside) {}

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
        if (const QScreen* screen = beside_.screen()) {
            // Beside the main window and the windows open, wholly on the
            // screen. A window's frame is not known before it is shown; it
            // is taken to be as thick as the main window's.
            std::vector<const Slot*> shown;
            for (const Slot& s : slots_)
                if (s.form && s.form->isVisible())
                    shown.push_back(&s);
            std::sort(shown.begin(), shown.end(), [](const Slot* a, const Slot* b) { return a->raised < b->raised; });
            std::vector<QRect> open{beside_.frameGeometry()};
            for (const Slot* s : shown)
                open.push_back(s->form->frameGeometry());
            const QSize frame = it->form->size() + open.front().size() - beside_.size();
            it->form->move(placeBeside(frame, screen->availableGeometry(), open, bars()));
        }
    }
    it->raised = ++raises_;
    // A minimised window is restored: choosing its menu item means wanting to see it.
    it->form->setWindowState(it->form->windowState() & ~Qt::WindowMinimized);
    it->form->show();
    it->form->raise();
    it->form->activateWindow();
    return it->form.get();
}

// The bars of the main window, as its frame and menu bar stand.
Bars FormSlots::bars() const
{
    int menuBar = 0;
    if (const auto* main = qobject_cast<const QMainWindow*>(&beside_); main && main->centralWidget())
        menuBar = main->centralWidget()->geometry().top();
    return barsOf(beside_.frameGeometry(), beside_.geometry(), menuBar);
}

Form* FormSlots::openWindow(const CalculatorWindow& window) const
{
    for (const Slot& s : slots_)
        if (s.window == &window && s.form && s.form->isVisible())
            return s.form.get();
    return nullptr;
}

} // namespace qv::frame
