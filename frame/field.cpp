// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field.h"

#include "copyall.h"
#include "numbertext.h"
#include "textfit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace qv::frame {
namespace {

// Whether a key types a character.
bool typed(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

// Whether a key changes the text: a character typed, or a deletion.
bool edits(const QKeyEvent* event)
{
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Cut, QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (event->matches(key))
            return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    return typed(event);
}

} // namespace

// The window's action of that name, found on the field's parents, or nullptr.
QAction* windowAction(const QWidget* from, const char* name)
{
    for (const QWidget* w = from; w; w = w->parentWidget())
        for (QAction* action : w->actions())
            if (action->objectName() == QLatin1String(name))
                return action;
    return nullptr;
}

Field::Field(QWidget* parent) : QLineEdit(parent)
{
    // A text set while the field has no focus is shown whole at once.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus())
            fit();
    });
}

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

void Field::fit()
{
    const QFont font = fittedFont(text(), designedFont_, *this);
    if (this->font() != font)
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

void Field::setFormula(const QString& formula)
{
    formula_ = formula;
    setAccessibleDescription(formula);
    showTip();
}

void Field::beforeEdit()
{
    if (holdsInitialText())
        selectAll();
}

void Field::enter(const QString& text, Entry how)
{
    if (isReadOnly())
        return;
    QString entered = text;
    if (how == Entry::Pasted) {
        const PastedText cell = firstCell(text.toStdString());
        entered = QString::fromStdString(cell.text);
        if (lenientIn_)
            if (const std::optional<std::string> form = lenientForm(cell.text, *lenientIn_))
                entered = QString::fromStdString(*form);
        if (cell.leftOut > 0)
            emit noted(tr("Only the first of the %n pasted cells or lines, \u201c%1\u201d, was entered into "
                          "\u201c%2\u201d.",
                          nullptr, int(cell.leftOut + 1))
                           .arg(entered, userName_));
        // Nothing to paste leaves the field as it is.
        if (entered.isEmpty() && !hasSelectedText())
            return;
    }
    beforeEdit();
    insert(entered);
}

void Field::pasteFrom(QClipboard::Mode mode) { enter(QGuiApplication::clipboard()->text(mode), Entry::Pasted); }

void Field::copyShown() const
{
    if (hasSelectedText())
        copy();
    else if (!text().isEmpty())
        QGuiApplication::clipboard()->setText(text());
}

void Field::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Paste) {
        pasteFrom();
        event->accept();
        return;
    }
    if (event == QKeySequence::Copy) {
        copyShown();
        event->accept();
        return;
    }
    // Ctrl+Z with nothing of the field's own to undo undoes the window's Reset.
    if (event == QKeySequence::Undo && !isUndoAvailable()) {
        if (QAction* undo = windowAction(this, undoResetName); undo && undo->isEnabled())
            undo->trigger();
        event->accept();
        return;
    }
    if (!isReadOnly() && typed(event)) {
        enter(event->text(), Entry::Typed);
        event->accept();
        return;
    }
    if (!isReadOnly() && edits(event))
        beforeEdit();
    QLineEdit::keyPressEvent(event);
}

void Field::inputMethodEvent(QInputMethodEvent* event)
{
    if (!isReadOnly() && !event->commitString().isEmpty())
        beforeEdit();
    QLineEdit::inputMethodEvent(event);
}

void Field::focusInEvent(QFocusEvent* event) { QLineEdit::focusInEvent(event); }

void Field::focusOutEvent(QFocusEvent* event)
{
    // A window left, or a menu opened over the field, keeps its selection.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        setCursorPosition(0);
    QLineEdit::focusOutEvent(event);
    fit();
}

// A click into the initial text selects it, as Tab does, showing that what
// is typed replaces it.
void Field::mousePressEvent(QMouseEvent* event)
{
    if (holdsInitialText() && event->button() == Qt::LeftButton) {
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
            pasteFrom(QClipboard::Selection);
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

// A drop from elsewhere is entered as a paste is; text moved within the
// field is the line edit's own.
void Field::dropEvent(QDropEvent* event)
{
    if (isReadOnly() || event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (!holdsInitialText()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
    }
    enter(event->mimeData()->text(), Entry::Pasted);
    event->acceptProposedAction();
}

// A text too long even for the smallest size shows, while the field has no
// focus, that it goes on: an ellipsis at its end.
void Field::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (hasFocus() || fontMetrics().horizontalAdvance(text()) <= textRoom(*this, font()))
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QString more(u'\u2026');
    const int width = fontMetrics().horizontalAdvance(more) + 2;
    const QRect end(contents.right() - width, contents.top(), width + 1, contents.height());
    QPainter painter(this);
    painter.fillRect(end, palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(end, Qt::AlignRight | Qt::AlignVCenter, more);
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
            [this] { pasteFrom(); });
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
