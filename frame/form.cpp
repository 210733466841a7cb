// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "blanktitle.h"
#include "controls.h"
#include "copyall.h"
#include "fontface.h"
#include "keys.h"
#include "notice.h"
#include "report.h"
#include "translate.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QMenu>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qv::frame {

Form::Form(const FormDesign& design, NumberLocale locale, QWidget* parent)
    : QWidget(parent), design_(design), locale_(std::move(locale)), enterKeys_(new EnterKeys(this)),
      fieldClicks_(new FieldClicks(this)), undoReset_(new QAction(this))
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
    for (const Control& c : design.controls) {
        if (c.names)
            control<QLabel>(c.name)->setBuddy(control(c.names));
        if (c.kind == ControlKind::TextField)
            field(c.name)->setUserName(QString::fromStdString(windows::userName(design, c.name, translated())));
    }
    followTabIndices(design, [this](const char* name) { return control(name); });
    for (const Control& c : design.controls) {
        if (c.kind == ControlKind::Button)
            enterKeys_->watchButton(control<QAbstractButton>(c.name));
        if (c.kind == ControlKind::TextField) {
            Field* f = field(c.name);
            enterKeys_->watchField(f);
            connect(f, &Field::noted, this, [this](const QString& words) {
                showNotes({words});
                if (Notice::wanted()) {
                    if (!notice_)
                        notice_ = new Notice(this);
                    notice_->tell(words);
                }
            });
            // Any other change after a Reset makes it no longer the last thing done.
            connect(f, &QLineEdit::textChanged, this, [this] {
                if (!resetting_) {
                    beforeReset_.clear();
                    undoReset_->setEnabled(false);
                }
            });
        }
    }
    undoReset_->setObjectName(QLatin1String(undoResetName));
    undoReset_->setShortcut(QKeySequence::Undo);
    undoReset_->setShortcutContext(Qt::WindowShortcut);
    undoReset_->setEnabled(false);
    connect(undoReset_, &QAction::triggered, this, &Form::undoReset);
    addAction(undoReset_);
}

Form::~Form() = default;

void offerNoMaximise(QWidget& window)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void Form::setDefaultButton(const char* button) { enterKeys_->setDefaultButton(control<QAbstractButton>(button)); }

void Form::explain(const windows::Explanation& explains) { explains_ = explains; }

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

std::string Form::text(const formula::Field& f) const { return field(f.name)->text().toStdString(); }

void Form::write(const formula::Field& f, const std::string& text)
{
    field(f.name)->present(QString::fromStdString(text));
}

bool Form::run(formula::Program program)
{
    if (reporting(this))
        return false;
    // What a Reset empties, to be given back by Ctrl+Z.
    std::vector<std::pair<Field*, QString>> emptied;
    for (const formula::Field* f : formula::cleared(program))
        emptied.emplace_back(field(f->name), field(f->name)->text());
    auto outcome = std::make_shared<formula::Outcome>();
    resetting_ = !emptied.empty();
    const bool ran = guarded(this, [&] { *outcome = formula::run(program, *this, locale_); });
    resetting_ = false;
    if (!ran)
        return false;
    if (!emptied.empty()) {
        beforeReset_ = std::move(emptied);
        undoReset_->setEnabled(std::any_of(beforeReset_.begin(), beforeReset_.end(),
                                           [](const auto& before) { return !before.second.isEmpty(); }));
    }
    QStringList notes;
    for (const formula::Misread& m : outcome->misread)
        notes << QString::fromStdString(
            formula::note(m, locale_, field(m.field->name)->userName().toStdString(), translated()));
    showNotes(notes);
    // What each result the run wrote shows, for what was computed.
    const std::vector<const formula::Field*> results = formula::results(program);
    std::size_t written = 0;
    for (std::size_t i = 0; i < outcome->values.size(); ++i)
        if (program[i].op == formula::Op::Write) {
            computed_[program[i].field->name] = {program, outcome, field(program[i].field->name)->text()};
            ++written;
        }
    if (outcome->done()) {
        tell(program, notes);
        return true;
    }
    // A failure: the results it wrote stay, the others are emptied before
    // the message is shown.
    QString words = message(program, *outcome);
    if (!notes.isEmpty())
        words += u' ' + notes.join(u' ');
    for (std::size_t k = written; k < results.size(); ++k) {
        field(results[k]->name)->present(QString());
        computed_.erase(results[k]->name);
    }
    if (notice_)
        notice_->tell(QString());
    report(this, words, QString::fromLatin1(name(outcome->failure->kind())));
    return false;
}

QString Form::message(formula::Program program, const formula::Outcome& outcome) const
{
    return QString::fromStdString(windows::failureMessage(
        design_, program, outcome, *this, locale_, explains_,
        [this](const char* name) { return !field(name)->isVisibleTo(this); }, translated()));
}

// The results a press wrote that can be seen, told to assistive technology
// in a notice, which a screen reader speaks while the focus stays on the
// button; nothing where the press failed, whose message box is an alert.
// (Orca 43 speaks a notification as it appears; a changed description of
// the focused button it would speak too, but Qt 6.4 sends such a change
// without its text, and Orca fails on it.) Only while assistive technology
// listens: a press costs nothing more without.
void Form::tell(formula::Program program, const QStringList& notes)
{
    const std::vector<const formula::Field*> results = formula::results(program);
    if (results.empty()) {
        // A Reset: the results told before are gone.
        if (notice_)
            notice_->tell(QString());
        return;
    }
    if (!Notice::wanted())
        return;
    QStringList said;
    for (const formula::Field* r : results)
        if (const Field* f = field(r->name); f->isVisibleTo(this))
            said << QCoreApplication::translate("Notice", "%1 is %2.").arg(f->userName(), f->text());
    said << notes;
    if (!notice_)
        notice_ = new Notice(this);
    notice_->tell(said.join(u' '));
}

void Form::undoReset()
{
    resetting_ = true;
    for (const auto& [f, text] : beforeReset_)
        f->present(text);
    resetting_ = false;
    beforeReset_.clear();
    undoReset_->setEnabled(false);
}

void Form::showNotes(const QStringList& notes)
{
    const QSize designed = twipsSize(design_.width, design_.height);
    if (notes.isEmpty()) {
        if (note_ && note_->isVisible()) {
            note_->hide();
            setFixedSize(designed);
        }
        return;
    }
    if (!note_) {
        note_ = new QLabel(this);
        note_->setObjectName(QStringLiteral("note"));
        note_->setTextFormat(Qt::PlainText);
        note_->setWordWrap(true);
        note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    note_->setText(notes.join(u'\n'));
    const int margin = twipsToPixels(120);
    const int width = designed.width() - 2 * margin;
    const int height = note_->heightForWidth(width);
    note_->setGeometry(margin, designed.height(), width, height);
    note_->show();
    setFixedSize(designed.width(), designed.height() + height + margin);
    // The window grows downwards: where that takes its foot off the screen,
    // it moves up as far as it must, so that the note is seen, but never
    // its title bar off the screen's top.
    QWidget* top = window();
    if (QLayout* layout = top->layout())
        layout->activate();
    if (const QScreen* screen = top->screen(); screen && top->isVisible()) {
        const QRect available = screen->availableGeometry();
        const QRect frame = top->frameGeometry();
        if (frame.bottom() > available.bottom()) {
            const int y = std::max(available.top(), available.bottom() + 1 - frame.height());
            top->move(top->pos() + QPoint(0, y - frame.top()));
        }
    }
}

QString Form::computed(const formula::Field& result) const
{
    const auto it = computed_.find(result.name);
    if (it == computed_.end() || field(result.name)->text() != it->second.shown)
        return {};
    return QString::fromStdString(formula::computedText(it->second.program, result, *it->second.outcome, locale_));
}

void Form::useFormulas(formula::Program program)
{
    for (const formula::Node& n : program)
        if (n.op == formula::Op::Lenient)
            field(n.field->name)->setReadLeniently(locale_);
    for (const formula::Field* r : formula::results(program)) {
        QString text = QString::fromStdString(formula::formulaText(program, *r, translated()));
        if (formula::takesPi(program, *r))
            text = QCoreApplication::translate("Formula", "%1 (\u03c0 taken as 22/7)").arg(text);
        field(r->name)->setFormula(text);
    }
}

void Form::lock(const std::vector<const formula::Field*>& fields)
{
    for (const formula::Field* f : fields)
        field(f->name)->setReadOnly(true);
}

void Form::setControlsVisible(const std::vector<const char*>& names, bool visible)
{
    for (const char* name : names)
        control(name)->setVisible(visible);
}

void Form::onClick(const char* name, formula::Program program)
{
    onClick(name, [this, program] { run(program); });
}

void Form::onClick(const char* name, std::function<void()> action)
{
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            [this, action = std::move(action)] { guarded(this, action); });
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

void Form::onToggle(const char* name, std::function<void()> action)
{
    // toggled, not clicked: assistive technology ticks a box without a click.
    connect(control<QCheckBox>(name), &QCheckBox::toggled, this,
            [this, action = std::move(action)] { guarded(this, action); });
}

void Form::onFieldClick(const char* name, formula::Program program)
{
    fieldClicks_->add(field(name), [this, program] { run(program); });
}

} // namespace qv::frame
