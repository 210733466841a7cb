#include "calculatorwindow.h"

#include <QString>

namespace qv::frame {

std::vector<const char*> writeOrder(const CalculatorWindow& window)
{
    const Names order = window.calculate.writes.size() != 0 ? window.calculate.writes : window.results;
    return {order.begin(), order.end()};
}

std::unique_ptr<Form> load(const CalculatorWindow& window, const NumberLocale& locale)
{
    auto form = std::make_unique<Form>(window.design, locale);
    Form* f = form.get();
    f->onClick(window.calculate.button, [f, &window] { window.calculate.Click(*f); }, writeOrder(window));
    f->onClick(window.reset.button, [f, &window] { f->clear(window.reset.fields); });
    f->setDefaultButton(window.calculate.button);
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
