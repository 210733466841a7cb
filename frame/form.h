// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator window frame: a window built from its FormDesign table, with
// the field operations its handlers are written in.
#pragma once

#include "failure.h"
#include "fieldvalue.h"
#include "formdesign.h"
#include "numberlocale.h"

#include <QLineEdit>
#include <QWidget>

#include <QFont>

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qv::frame {

class EnterKeys;
class FieldClicks;

class Form : public QWidget {
    Q_OBJECT

public:
    Form(FormDesign design, NumberLocale locale, QWidget* parent = nullptr);

    const FormDesign& design() const { return design_; }
    const NumberLocale& numberLocale() const { return locale_; }

    // Gives the keyboard focus to the visible control with the lowest tab
    // index; the last step of loading, after Form_Load.
    void focusFirstTabStop();

    // The control of that name, as the widget class it is made of: a name
    // the table does not have, or a control of another kind, is a
    // programming error and ends the program with a message saying which.
    template <class T = QWidget>
    T* control(const char* name) const
    {
        if (auto* typed = qobject_cast<T*>(find(name)))
            return typed;
        notA(name, T::staticMetaObject.className());
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }

    // The field's current text as a text value, for formulas that use it directly.
    FieldValue text(const char* field) const;
    // The lenient number reading of the field's current text.
    double lenient(const char* field) const;
    // Writes the value's number display text into the field, whole: a text
    // wider than the field shows in a smaller size of its face, from its
    // first character. A field that already shows that text is left as it
    // is, its selection too. A result's tooltip gives its formula, after
    // the whole number where that shows smaller; its accessible description
    // the formula.
    void write(const char* field, const FieldValue& value);
    // Writes the empty text into each field, in order.
    void clear(Names fields);
    // Makes each field read-only (still focusable, selectable and copyable).
    void lock(Names fields);
    // Shows or hides each control, in order.
    void setControlsVisible(Names controls, bool visible);

    // Connects a handler to a button press (the button has the focus and
    // Enter is pressed, too), a check box being ticked or unticked, or a
    // click on a text field (locked ones too). Every handler runs through
    // runReported: a failure stops it and is reported, the window lives on.
    // results: the fields a calculation writes, in the order it writes
    // them; when it fails, those it has written keep their new text and the
    // others are emptied, and the message of a failure in the arithmetic
    // names the first it had not written, the result it was computing
    // ("which is hidden" where that is out of sight).
    void onClick(const char* button, std::function<void()> handler, const std::vector<const char*>& results = {});
    void onToggle(const char* checkBox, std::function<void()> handler);
    void onFieldClick(const char* field, std::function<void()> handler, const std::vector<const char*>& results = {});

    // The formula that computes a result field (a static string) and what
    // it takes π as (nullptr: none); made into text only when shown.
    void setFormula(const char* field, const char* formula, const char* pi = nullptr);
    // "Copy all" (Ctrl+Shift+C, and an entry of the window's context
    // menus): puts the text made by copyText on the clipboard, as plain text.
    void offerCopyAll(std::function<QString()> copyText);

    // The button that Enter in any text field of the window presses: its Calculate.
    void setDefaultButton(const char* button);
    // The window's own words for a failure of that cause, in place of the
    // arithmetic's, in the message that reports it.
    void explain(Cause cause, const char* words);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* find(const char* name) const;
    [[noreturn]] void notA(const char* name, const char* className) const;
    std::vector<QLineEdit*> fields(std::span<const char* const> names) const;
    void setWhole(QLineEdit* field, const QString& text);
    bool run(const std::vector<QLineEdit*>& results, const std::function<void()>& handler);

    QString message(const Failure& failure, const std::vector<QLineEdit*>& results) const;

    FormDesign design_;
    NumberLocale locale_;
    std::vector<std::pair<const char*, QWidget*>> controls_; // names from the design table
    EnterKeys* enterKeys_;
    FieldClicks* fieldClicks_;
    std::vector<const QLineEdit*> written_; // by the handler running now
    class Notice* notice_ = nullptr;         // the results of the last press, to assistive technology
    std::vector<std::pair<Cause, std::string>> explanations_;
};

// Makes a window of fixed size offer no maximise button, which would do
// nothing; it keeps its title, system menu, minimise and close buttons.
// Before the window is shown.
void offerNoMaximise(QWidget& window);

} // namespace qv::frame
