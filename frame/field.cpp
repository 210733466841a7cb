// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <utility>

namespace qv::frame {

void Field::setInitialText(const QString& text)
{
    initialText_ = text;
    setText(text);
}

void Field::pasteTrimmed(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(mode).trimmed();
    if (!text.isEmpty() || hasSelectedText())
        insert(text);
}

void Field::copyShown() const
{
    if (hasSelectedText())
        copy();
    else if (!text().isEmpty())
        QGuiApplication::clipboard()->setText(text());
}

QString oneLine(QString text)
{
    for (const QChar blank : {u'\t', u'\n', u'\r'})
        text.replace(blank, u' ');
    return text;
}

QString piTakenAs(const char* pi) { return QStringLiteral("\u03c0 taken as %1").arg(QString::fromUtf8(pi)); }

void Field::setFormula(const char* formula, const char* pi)
{
    formula_ = formula;
    pi_ = pi;
}

QString Field::formula() const
{
    if (!formula_)
        return {};
    QString text = QString::fromUtf8(formula_);
    if (pi_)
        text += QStringLiteral(" (%1)").arg(piTakenAs(pi_));
    return text;
}

// A result not written yet gives its formula when its tooltip is asked
// for; a written one has it already (Form::write).
bool Field::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && formula_ && toolTip().isEmpty())
        setToolTip(formula());
    return QLineEdit::event(event);
}

void Field::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Paste) {
        pasteTrimmed();
        event->accept();
        return;
    }
    if (event == QKeySequence::Copy) {
        copyShown();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The press that gives a field the focus comes after the focus.
// A screen reader reads a result's formula as its description when the
// field takes the focus.
void Field::focusInEvent(QFocusEvent* event)
{
    if (formula_ && accessibleDescription().isEmpty())
        setAccessibleDescription(formula());
    QLineEdit::focusInEvent(event);
    selectOnPress_ = event->reason() == Qt::MouseFocusReason && !initialText_.isEmpty() && text() == initialText_;
}

void Field::focusOutEvent(QFocusEvent* event)
{
    // A window left, or a menu opened over the field, keeps its selection.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        setCursorPosition(0);
    QLineEdit::focusOutEvent(event);
}

void Field::mousePressEvent(QMouseEvent* event)
{
    const bool select = std::exchange(selectOnPress_, false);
    if (select && event->button() == Qt::LeftButton) {
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void Field::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            pasteTrimmed(QClipboard::Selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void Field::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

// The line edit's menu in Qt's own words, its Paste dropping the blanks
// around the text. (Qt's own menu cannot be given another Paste: its
// entries are connected to the line edit by name and carry no names.)
void Field::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    const auto add = [this, menu](const char* words, QKeySequence::StandardKey key, const char* name, bool enabled,
                                  auto slot) {
        QString text = QLineEdit::tr(words);
        if (key != QKeySequence::UnknownKey)
            text += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(QIcon::fromTheme(QLatin1String(name)), text);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    const bool editable = !isReadOnly();
    if (editable) {
        add("&Undo", QKeySequence::Undo, "edit-undo", isUndoAvailable(), &QLineEdit::undo);
        add("&Redo", QKeySequence::Redo, "edit-redo", isRedoAvailable(), &QLineEdit::redo);
        menu->addSeparator();
        add("Cu&t", QKeySequence::Cut, "edit-cut", hasSelectedText(), &QLineEdit::cut);
    }
    add("&Copy", QKeySequence::Copy, "edit-copy", !text().isEmpty(), [this] { copyShown(); });
    addCopyAllEntry(menu, this);
    if (editable) {
        add("&Paste", QKeySequence::Paste, "edit-paste", !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { pasteTrimmed(); });
        add("Delete", QKeySequence::UnknownKey, "edit-delete", hasSelectedText(), &QLineEdit::del);
    }
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, "select-all", !text().isEmpty() && selectedText() != text(),
        &QLineEdit::selectAll);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

QAction* copyAllAction(const QWidget* field)
{
    for (const QWidget* w = field; w; w = w->parentWidget())
        for (QAction* action : w->actions())
            if (action->objectName() == QLatin1String(copyAllName))
                return action;
    return nullptr;
}

void addCopyAllEntry(QMenu* menu, const QWidget* from)
{
    QAction* all = copyAllAction(from);
    if (!all)
        return;
    QAction* entry = menu->addAction(all->text() + u'\t' + all->shortcut().toString(QKeySequence::NativeText));
    entry->setObjectName(QLatin1String(copyAllName));
    QObject::connect(entry, &QAction::triggered, all, &QAction::trigger);
}

} // namespace qv::frame
