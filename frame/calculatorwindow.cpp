// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculatorwindow.h"

#include "field.h"
#include "report.h"

#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <cstring>

namespace qv::frame {

std::vector<const char*> inputs(const CalculatorWindow& window)
{
    std::vector<const char*> fields;
    for (const char* field : window.reset.fields)
        if (std::none_of(window.results.begin(), window.results.end(),
                         [field](const char* result) { return std::strcmp(field, result) == 0; }))
            fields.push_back(field);
    return fields;
}

std::vector<const char*> writeOrder(const CalculatorWindow& window)
{
    const Names order = window.calculate.writes.size() != 0 ? window.calculate.writes : window.results;
    return {order.begin(), order.end()};
}

QString copyAllText(const CalculatorWindow& window, const Form& form)
{
    QString text;
    std::vector<const char*> fields = inputs(window);
    for (const char* result : writeOrder(window))
        fields.push_back(result);
    for (const char* field : fields)
        text += fieldName(&form, field) + u'\t' + oneLine(form.field(field)->text()) + u'\n';
    if (window.pi)
        text += piTakenAs(window.pi) + u'\n';
    return text;
}

std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale)
{
    auto form = std::make_unique<Form>(window.design, locale);
    Form* f = form.get();
    f->onClick(window.calculate.button, [f, &window] { window.calculate.Click(*f); }, writeOrder(window));
    f->onClick(window.reset.button, [f, &window] { f->clear(window.reset.fields); });
    f->setDefaultButton(window.calculate.button);
    for (const Formula& formula : window.formulas)
        f->setFormula(formula.result, formula.text, window.pi);
    f->offerCopyAll([f, &window] { return copyAllText(window, *f); });
    if (window.explains.words)
        f->explain(window.explains.cause, window.explains.words);
    offerNoMaximise(*f);
    // A window without a title is announced by its menu and item ("Area: Cone").
    if (QString::fromUtf8(window.design.caption).trimmed().isEmpty())
        f->setAccessibleName(QStringLiteral("%1: %2").arg(QString::fromUtf8(window.item.menu->caption),
                                                           QString::fromUtf8(window.item.caption)));
    // Form_Load.
    f->lock(window.results);
    f->focusFirstTabStop();
    return form;
}

} // namespace qv::frame
