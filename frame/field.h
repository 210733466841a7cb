// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A text field that holds one number: the line edit every text field of a
// window is made of.
#pragma once

#include <QClipboard>
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
//    line brings them; a locked field refuses it, as ever.
class Field : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Sets the text the field starts with, and remembers it as its initial text.
    void setInitialText(const QString& text);

    // Pastes the clipboard's text, without the blanks around it, over the selection.
    void pasteTrimmed(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString initialText_;
    bool selectOnPress_ = false; // the focus came with a click into the initial text
};

} // namespace qv::frame
