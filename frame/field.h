// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A text field that holds one number: the line edit every text field of a
// window is made of.
#pragma once

#include "numberlocale.h"

#include <QClipboard>
#include <QFont>
#include <QLineEdit>

#include <optional>

class QAction;

namespace qv::frame {

// A line edit that treats its text as one number:
//  - every edit comes in one way (enter): typing, a paste (Ctrl+V,
//    Shift+Insert, the context menu's Paste, the X11 selection with the
//    middle button) and a drop alike. While the field still holds its
//    designed initial text (the panel's "Addition", "Answer"), the first
//    edit of any kind replaces that text whole, and a click selects it;
//    once the user has edited it, clicks place the cursor as usual;
//  - a paste enters the first non-empty cell or line of the text pasted,
//    without the blanks around it, and says so where it left others out;
//    a number in the locale's form (as the program writes its results)
//    pasted into a field that reads leniently enters in the form that
//    reading reads, with the full stop and no group separators. What is
//    typed is never changed. A locked field refuses every edit, as ever;
//  - a copy (Ctrl+C, Ctrl+Insert, the context menu's Copy) with nothing
//    selected copies the whole text, exactly as shown;
//  - a text is shown whole: a text written into it, and whatever it holds
//    once it loses the focus, shows in a smaller size of its designed face
//    where it is wider than the field, from its first character; a text too
//    long even for the smallest size shows that it goes on;
//  - a double-click selects the whole text, sign and exponent included, not
//    the word under the pointer;
//  - a result field knows its formula, which its tooltip and accessible
//    description give from the moment its window opens;
//  - its context menu offers "Copy all" (Ctrl+Shift+C) where its window
//    has that action (copyAllAction);
//  - Ctrl+Z with nothing of its own to undo undoes its window's Reset.
class Field : public QLineEdit {
    Q_OBJECT

public:
    explicit Field(QWidget* parent = nullptr);

    // Sets the text the field starts with, and remembers it as its initial text.
    void setInitialText(const QString& text);
    // The font its table gives it, which a text is fitted into.
    void setDesignedFont(const QFont& font);
    // A field its window reads leniently takes a pasted number in the
    // locale's form in the form that reading reads.
    void setReadLeniently(const NumberLocale& locale) { lenientIn_ = locale; }

    // What the user knows the field by: its label's words ("The Quotient"),
    // or its own accessible name where several fields share a label or none
    // names it ("Power: exponent"). Set once, when the window is built.
    void setUserName(const QString& name) { userName_ = name; }
    const QString& userName() const { return userName_; }

    // Shows the text whole: where it is wider than the field, in a smaller
    // size of the field's designed face (see textfit.h), and from its first
    // character. A field that already shows that text is left as it is,
    // its selection too. The tooltip then gives the whole text, before the
    // formula where the field has one.
    void present(const QString& text);

    // The one way an edit comes in: text typed, or pasted or dropped (see
    // above), over the selection, as one step of the field's undo.
    enum class Entry { Typed, Pasted };
    void enter(const QString& text, Entry how);
    // Pastes the clipboard's text (or the X11 selection) by enter.
    void pasteFrom(QClipboard::Mode mode = QClipboard::Clipboard);
    // Copies the selection, or the whole text where nothing is selected.
    void copyShown() const;

    // The formula that computes this field, as the user reads it ("area = 22
    // × radius × radius ÷ 7 (π taken as 22/7)"): its tooltip and its
    // accessible description from now on.
    void setFormula(const QString& formula);
    const QString& formula() const { return formula_; }

signals:
    // Something the user should know of an edit, in words ("Only the
    // first of 2 pasted cells, “12”, was entered into “…”.").
    void noted(const QString& words);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Whether it still holds its designed initial text, which an edit replaces whole.
    bool holdsInitialText() const { return !initialText_.isEmpty() && text() == initialText_; }
    // Before an edit: the initial text is selected, so that the edit replaces it.
    void beforeEdit();
    // The text in a smaller size where it is wider than the field.
    void fit();
    void showTip();

    QString initialText_;
    QFont designedFont_;
    QString userName_;
    QString formula_;
    std::optional<NumberLocale> lenientIn_;
};

// The window's action of that name (its objectName): the first one found on
// the widget and its parents, or nullptr.
QAction* windowAction(const QWidget* from, const char* name);

// The name of a window's action that undoes its last Reset.
inline constexpr const char* undoResetName = "undo-reset";

} // namespace qv::frame
