// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include "copyall.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>

namespace qv::frame {

QString copyAllText(const CalculatorWindow& window, const Form& form)
{
    const formula::Program calculate = window.calculate.Click;
    QString text;
    std::vector<const formula::Field*> fields = formula::inputs(calculate);
    const std::vector<const formula::Field*> results = formula::results(calculate);
    fields.insert(fields.end(), results.begin(), results.end());
    for (const formula::Field* f : fields) {
        const Field* shown = form.field(f->name);
        text += shown->userName() + u'\t' + oneLine(shown->text()) + u'\n';
    }
    if (std::any_of(results.begin(), results.end(),
                    [&](const formula::Field* r) { return formula::takesPi(calculate, *r); }))
        text += QCoreApplication::translate("Copy all", "\u03c0 taken as 22/7") + u'\n';
    return text;
}

std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale)
{
    auto form = std::make_unique<Form>(window.design, locale);
    Form* f = form.get();
    f->onClick(window.calculate.button, window.calculate.Click);
    f->onClick(window.reset.button, window.reset.Click);
    f->setDefaultButton(window.calculate.button);
    f->useFormulas(window.calculate.Click);
    offerCopyAll(*f, [f, &window] { return copyAllText(window, *f); });
    f->explain(window.explains);
    offerNoMaximise(*f);
    // A window without a title is announced by its menu and item ("Area: Cone").
    if (QString::fromUtf8(window.design.caption).trimmed().isEmpty())
        f->setAccessibleName(QStringLiteral("%1: %2").arg(QString::fromUtf8(window.item.menu->caption),
                                                           QString::fromUtf8(window.item.caption)));
    // Form_Load.
    f->lock(formula::results(window.calculate.Click));
    f->focusFirstTabStop();
    return form;
}

} // namespace qv::frame
