// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "blanktitle.h"
#include "controls.h"
#include "field.h"
#include "failure.h"
#include "fontface.h"
#include "keys.h"
#include "numbertext.h"
#include "report.h"
#include "textfit.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qv::frame {

Form::Form(FormDesign design, NumberLocale locale, QWidget* parent)
    : QWidget(parent), design_(design), locale_(std::move(locale)), enterKeys_(new EnterKeys(this)),
      fieldClicks_(new FieldClicks(this))
{
    static const bool accessibleWindows = (announceAsWindows(staticMetaObject.className()), true);
    (void)accessibleWindows;
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    if (windowTitle().isEmpty())
        keepTitleBlank(this);
    setFont(shownFont(windowFont(design)).font);
    setFixedSize(twipsSize(design.width, design.height));

    controls_.reserve(design.controls.size());
    for (const Control& c : design.controls)
        controls_.emplace_back(c.name, makeControl(c, design, c.container ? control(c.container) : this));
    for (const auto& [name, w] : controls_)
        if (auto* label = qobject_cast<QLabel*>(w))
            growToCaption(label);
    for (const Control& c : design.controls)
        if (c.names)
            control<QLabel>(c.name)->setBuddy(control(c.names));
    followTabIndices(design, [this](const char* name) { return control(name); });
    for (const Control& c : design.controls) {
        if (c.kind == ControlKind::Button)
            enterKeys_->watchButton(control<QAbstractButton>(c.name));
        if (c.kind == ControlKind::TextField)
            enterKeys_->watchField(field(c.name));
    }
}

void offerNoMaximise(QWidget& window)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void Form::setDefaultButton(const char* button) { enterKeys_->setDefaultButton(control<QAbstractButton>(button)); }

void Form::explain(Cause cause, const char* words) { explanations_.emplace_back(cause, words); }

void Form::focusFirstTabStop()
{
    if (const Control* first =
            firstTabStop(design_, [this](const Control& c) { return control(c.name)->isVisibleTo(this); }))
        control(first->name)->setFocus(Qt::OtherFocusReason);
}

QWidget* Form::find(const char* name) const
{
    for (const auto& [n, w] : controls_)
        if (std::strcmp(n, name) == 0)
            return w;
    return nullptr;
}

void Form::notA(const char* name, const char* className) const
{
    std::fprintf(stderr, "%s has no %s named %s\n", design_.name, className, name);
    std::abort();
}

std::vector<QLineEdit*> Form::fields(std::span<const char* const> names) const
{
    std::vector<QLineEdit*> found;
    for (const char* name : names)
        found.push_back(field(name));
    return found;
}

FieldValue Form::text(const char* name) const
{
    return FieldValue::text(field(name)->text().toStdString(), locale_, name);
}

double Form::lenient(const char* name) const
{
    try {
        return readLenient(field(name)->text().toStdString());
    } catch (const Failure& failure) {
        throw failure.from(name);
    }
}

void Form::write(const char* name, const FieldValue& value)
{
    QLineEdit* f = field(name);
    setWhole(f, QString::fromStdString(value.display(locale_)));
    written_.push_back(f);
}

void Form::clear(Names names)
{
    for (QLineEdit* f : fields(names))
        setWhole(f, QString());
    // The results a press told are gone.
    if (notice_)
        notice_->tell(QString());
}

void Form::setFormula(const char* name, const char* formula, const char* pi)
{
    control<Field>(name)->setFormula(formula, pi);
}

// A text wider than its field is shown in a smaller size of the field's own
// face, down to a floor, so that every number the display rule makes is
// seen whole; the tooltip then gives it, before the formula where the field
// is a result. The field shows the text from its first character: a number
// cut at its end rather than its start.
void Form::setWhole(QLineEdit* f, const QString& text)
{
    if (f->text() == text)
        return;
    const Control* c = nullptr;
    for (const Control& row : design_.controls)
        if (f->objectName() == QLatin1String(row.name))
            c = &row;
    const QFont designed = shownFont(c ? fontOf(*c, design_) : windowFont(design_)).font;
    const QFont font = fittedFont(text, designed, *f);
    if (f->font() != font)
        f->setFont(font);
    f->setText(text);
    const bool smaller = font.pointSizeF() < designed.pointSizeF();
    QString tip = smaller ? text : QString();
    if (const auto* field = qobject_cast<const Field*>(f); field && field->hasFormula()) {
        const QString formula = field->formula();
        tip = smaller ? text + u'\n' + formula : formula;
        if (f->accessibleDescription() != formula)
            f->setAccessibleDescription(formula);
    }
    if (f->toolTip() != tip)
        f->setToolTip(tip);
    f->setCursorPosition(0);
}

bool Form::run(const std::vector<QLineEdit*>& results, const std::function<void()>& handler)
{
    written_.clear();
    // A failure leaves the results written so far (they belong to the
    // input), and empties the others: no answer stays beside input it was
    // not computed from.
    return runReported(this, handler, [this, &results](const Failure& failure) {
        const QString words = message(failure, results);
        for (QLineEdit* result : results)
            if (std::find(written_.begin(), written_.end(), result) == written_.end())
                setWhole(result, QString());
        return words;
    });
}

// A failure to read names the field read; one in the arithmetic the first
// result not written yet, the one the formula was computing.
QString Form::message(const Failure& failure, const std::vector<QLineEdit*>& results) const
{
    const QLineEdit* named = nullptr;
    if (failure.reading()) {
        named = qobject_cast<const QLineEdit*>(find(failure.field().c_str()));
    } else {
        for (const QLineEdit* result : results)
            if (std::find(written_.begin(), written_.end(), result) == written_.end()) {
                named = result;
                break;
            }
    }
    FailurePlace place;
    if (named) {
        place.name = fieldName(this, named->objectName().toStdString()).toStdString();
        place.hidden = !named->isVisibleTo(this);
    }
    for (const auto& [cause, words] : explanations_)
        if (cause == failure.cause())
            place.because = words;
    return QString::fromStdString(describe(failure, locale_, place));
}

void Form::lock(Names names)
{
    for (QLineEdit* f : fields(names))
        f->setReadOnly(true);
}

void Form::setControlsVisible(Names names, bool visible)
{
    for (const char* name : names)
        control(name)->setVisible(visible);
}

// After a press that computes results, the results it wrote that can be
// seen ("The area of the circle is 154. The circumference of the circle is
// 44.") are told to assistive technology in a notice, which a screen
// reader speaks while the focus stays on the button; nothing where the
// press failed, whose message box is an alert. (Orca 43 speaks a
// notification as it appears; a changed description of the focused button
// it would speak too, but Qt 6.4 sends such a change without its text, and
// Orca fails on it.) Only while assistive technology listens: a press
// costs nothing more without.
void Form::onClick(const char* name, std::function<void()> handler, const std::vector<const char*>& results)
{
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            [this, handler = std::move(handler), results = fields(results)] {
                const bool done = run(results, handler);
                if (results.empty() || !Notice::wanted())
                    return;
                QStringList said;
                for (const QLineEdit* r : done ? written_ : std::vector<const QLineEdit*>{})
                    if (r->isVisibleTo(this))
                        said << QStringLiteral("%1 is %2").arg(fieldName(this, r->objectName().toStdString()), r->text());
                if (!notice_)
                    notice_ = new Notice(this);
                notice_->tell(said.isEmpty() ? QString() : said.join(QStringLiteral(". ")) + u'.');
            });
}

void Form::offerCopyAll(std::function<QString()> copyText)
{
    auto* action = new QAction(QStringLiteral("Copy all"), this);
    action->setObjectName(QLatin1String(copyAllName));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [copyText = std::move(copyText)] {
        if (const QString text = copyText(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
    addAction(action);
}

// A right click on the window beside its fields (a label, a button, the
// background) offers "Copy all"; a field has its own menu.
void Form::contextMenuEvent(QContextMenuEvent* event)
{
    if (!copyAllAction(this)) {
        QWidget::contextMenuEvent(event);
        return;
    }
    auto* menu = new QMenu(this);
    addCopyAllEntry(menu, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void Form::onToggle(const char* name, std::function<void()> handler)
{
    // toggled, not clicked: assistive technology ticks a box without a click.
    connect(control<QCheckBox>(name), &QCheckBox::toggled, this,
            [this, handler = std::move(handler)] { run({}, handler); });
}

void Form::onFieldClick(const char* name, std::function<void()> handler, const std::vector<const char*>& results)
{
    fieldClicks_->add(field(name), [this, handler = std::move(handler), results = fields(results)] {
        run(results, handler);
    });
}

} // namespace qv::frame
