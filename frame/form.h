// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator window frame: a window built from its design table, whose
// fields the formulas read and write.
#pragma once

#include "calculatorwindow.h"
#include "failure.h"
#include "field.h"
#include "design.h"
#include "formula.h"
#include "numberlocale.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;

namespace qv::frame {

class EnterKeys;
class FieldClicks;
class Notice;

class Form : public QWidget, private formula::Sheet {
    Q_OBJECT

public:
    // The window with its controls in their designed state, each text field
    // knowing what the user calls it (its label's words, or its accessible
    // name), the focus chained in tab-index order.
    Form(const FormDesign& design, NumberLocale locale, QWidget* parent = nullptr);
    ~Form() override;

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
    Field* field(const char* name) const { return control<Field>(name); }

    // Runs a handler's program on this window's fields (see formula::run),
    // unless a failure's message of this window is still on its way or up.
    // A field read as another number than it seems to say ("7,5" read as 7,
    // "1E-400" as 0) is said in a note under the window's fields, seen
    // without hovering, and told with the results or in the message.
    // A failure stops it: the results it wrote keep their new text (they
    // belong to the input), the others it would have written are emptied
    // (no answer stays beside input it was not computed from), and a
    // message says what happened, to what numbers, and where: the field
    // that could not be read, or the result being computed, by the words
    // the user knows it by ("which is hidden" where it is out of sight).
    // After a press that computes results, the results it wrote that can be
    // seen ("The area of the circle is 154. The circumference of the circle
    // is 44.") are told to assistive technology, while it listens.
    // A program that empties fields (a Reset) can be undone right after it,
    // by Ctrl+Z in the window: the fields get back what it emptied.
    // Returns whether the program ran to its end.
    bool run(formula::Program program);

    // Shows the notes under the window's fields, the window growing to hold
    // them; no notes: none shown, the window at its designed size.
    void showNotes(const QStringList& notes);

    // Connects a program, or a plain action, to a button press (also Enter
    // on the focused button), a check box being ticked or unticked, or a
    // click on a text field (locked ones too).
    void onClick(const char* button, formula::Program program);
    void onClick(const char* button, std::function<void()> action);
    void onToggle(const char* checkBox, std::function<void()> action);
    void onFieldClick(const char* field, formula::Program program);

    // The window calculates by this program: each result it writes shows
    // its formula, in its tooltip and as its accessible description, from
    // now on, and each field it reads leniently takes a pasted number in the
    // form that reading reads.
    void useFormulas(formula::Program program);

    // The result as it was computed, with the numbers the last run that
    // wrote it used ("2 + 3 = 5"); empty where no run wrote it or the field
    // no longer shows what was written.
    QString computed(const formula::Field& result) const;

    // Makes each field read-only (still focusable, selectable and copyable).
    void lock(const std::vector<const formula::Field*>& fields);
    // Shows or hides each control, in order.
    void setControlsVisible(const std::vector<const char*>& controls, bool visible);

    // The button that Enter in any text field of the window presses: its Calculate.
    void setDefaultButton(const char* button);
    // The window's own words for a failure of one cause, in place of the
    // arithmetic's, in the message that reports it.
    void explain(const windows::Explanation& explains);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* find(const char* name) const;
    [[noreturn]] void notA(const char* name, const char* className) const;
    std::string text(const formula::Field& field) const override;
    void write(const formula::Field& field, const std::string& text) override;
    QString message(formula::Program program, const formula::Outcome& outcome) const;
    void tell(formula::Program program, const QStringList& notes);
    void undoReset();

    FormDesign design_;
    NumberLocale locale_;
    std::vector<std::pair<const char*, QWidget*>> controls_; // names from the design table
    EnterKeys* enterKeys_;
    FieldClicks* fieldClicks_;
    Notice* notice_ = nullptr; // the results of the last press, to assistive technology
    QLabel* note_ = nullptr; // the notes of the last press or paste, under the fields
    QAction* undoReset_;
    std::vector<std::pair<Field*, QString>> beforeReset_; // the texts the last Reset emptied
    bool resetting_ = false;
    windows::Explanation explains_;
    // For each result, the last run that wrote it and what it wrote.
    struct Computed {
        formula::Program program;
        std::shared_ptr<const formula::Outcome> outcome;
        QString shown;
    };
    std::map<std::string, Computed> computed_;
};

// Makes a window of fixed size offer no maximise button, which would do
// nothing; it keeps its title, system menu, minimise and close buttons.
// Before the window is shown.
void offerNoMaximise(QWidget& window);

} // namespace qv::frame
