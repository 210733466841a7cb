// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field.h"

#include "copyall.h"
#include "textfit.h"

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

void Field::setDesignedFont(const QFont& font)
{
    designedFont_ = font;
    setFont(font);
}

void Field::present(const QString& text)
{
    if (this->text() == text)
        return;
    const QFont font = fittedFont(text, designedFont_, *this);
    if (this->font() != font)
        setFont(font);
    setText(text);
    showTip();
    setCursorPosition(0);
}

// The tooltip: the whole text where it is shown smaller, then the formula.
void Field::showTip()
{
    const bool smaller = font().pointSizeF() < designedFont_.pointSizeF();
    QStringList lines;
    if (smaller)
        lines << text();
    if (!formula_.isEmpty())
        lines << formula_;
    const QString tip = lines.join(u'\n');
    if (toolTip() != tip)
        setToolTip(tip);
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

void Field::setFormula(const QString& formula)
{
    formula_ = formula;
    setAccessibleDescription(formula);
    showTip();
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
void Field::focusInEvent(QFocusEvent* event)
{
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


} // namespace qv::frame
