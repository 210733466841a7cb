// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A text field that holds one number: the line edit every text field of a
// window is made of.
#pragma once

#include <QClipboard>
#include <QLineEdit>

class QAction;
class QMenu;

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
//  - a result field knows its formula, which its tooltip and accessible
//    description give, made into text only when first asked for;
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

    // Pastes the clipboard's text, without the blanks around it, over the selection.
    void pasteTrimmed(QClipboard::Mode mode = QClipboard::Clipboard);
    // Copies the selection, or the whole text where nothing is selected.
    void copyShown() const;

    // The formula that computes this field, and what it takes π as ("22/7",
    // or nullptr): static strings, kept as they are.
    void setFormula(const char* formula, const char* pi);
    bool hasFormula() const { return formula_ != nullptr; }
    // "area = 22 × radius × radius ÷ 7 (π taken as 22/7)"; empty without a formula.
    QString formula() const;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString initialText_;
    const char* formula_ = nullptr;
    const char* pi_ = nullptr;
    bool selectOnPress_ = false; // the focus came with a click into the initial text
};

// The window's "Copy all" action (Ctrl+Shift+C) that a field's context
// menu offers: the first one found on the field's parents, or nullptr.
QAction* copyAllAction(const QWidget* field);

// Adds an entry to the menu that triggers that action, where there is one.
void addCopyAllEntry(QMenu* menu, const QWidget* from);

// The name of the window's "Copy all" action (its objectName).
inline constexpr const char* copyAllName = "copy-all";

// A field's text for a line of copied text: a tab or line break in it,
// which would make another column or line, as a space.
QString oneLine(QString text);

// The words a note on π takes, after a formula and at the end of a copy:
// "π taken as 22/7".
QString piTakenAs(const char* pi);

} // namespace qv::frame
