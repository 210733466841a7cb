// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A text field that holds one number: the line edit every text field of a
// window is made of.
#pragma once

#include <QClipboard>
#include <QFont>
#include <QLineEdit>

namespace qv::frame {

// A line edit that treats its text as one number:
//  - a double-click selects the whole text, sign and exponent included, not
//    the word under the pointer;
//  - the first click into the field while it holds its initial text (the
//    panel's "Addition", "Answer") selects that text, as Tab does, so that
//    typing replaces it;
//  - a paste (Ctrl+V, Shift+Insert, the context menu's Paste, the X11
//    selection with the middle button) drops the spaces, tabs and line
//    breaks around the text pasted, as a spreadsheet cell or a terminal
//    line brings them; a locked field refuses it, as ever;
//  - a copy (Ctrl+C, Ctrl+Insert, the context menu's Copy) with nothing
//    selected copies the whole text, exactly as shown;
//  - a text written into it is shown whole: wider than the field, in a
//    smaller size of its designed face, from its first character;
//  - a result field knows its formula, which its tooltip and accessible
//    description give from the moment its window opens;
//  - its context menu offers "Copy all" (Ctrl+Shift+C) where its window
//    has that action (copyAllAction);
//  - when it loses the focus to another control of the program it shows its
//    text from the first character (a sign, a number's first digits), as a
//    written result does.
class Field : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Sets the text the field starts with, and remembers it as its initial text.
    void setInitialText(const QString& text);
    // The font its table gives it, which a text is fitted into.
    void setDesignedFont(const QFont& font);

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

    // Pastes the clipboard's text, without the blanks around it, over the selection.
    void pasteTrimmed(QClipboard::Mode mode = QClipboard::Clipboard);
    // Copies the selection, or the whole text where nothing is selected.
    void copyShown() const;

    // The formula that computes this field, as the user reads it ("area = 22
    // × radius × radius ÷ 7 (π taken as 22/7)"): its tooltip and its
    // accessible description from now on.
    void setFormula(const QString& formula);
    const QString& formula() const { return formula_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showTip();

    QString initialText_;
    QFont designedFont_;
    QString userName_;
    QString formula_;
    bool selectOnPress_ = false; // the focus came with a click into the initial text
};

} // namespace qv::frame
