// The calculator window frame: a window built from its FormDesign table, with
// the field operations its handlers are written in.
#pragma once

#include "fieldvalue.h"
#include "formdesign.h"
#include "numberlocale.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace qv::frame {

class Form : public QWidget {
    Q_OBJECT

public:
    Form(const FormDesign& design, NumberLocale locale, QWidget* parent = nullptr);

    const NumberLocale& numberLocale() const { return locale_; }

    // Puts the window into its loaded state: runs Form_Load, then gives the
    // keyboard focus to the visible control with the lowest tab index.
    void load();

    // Controls by name; these abort on a name the table does not have (a
    // programming error, not a user error).
    QWidget* control(const char* name) const;
    QLineEdit* field(const char* name) const;
    QAbstractButton* button(const char* name) const;

    // The field's current text as a text value, for formulas that use it directly.
    FieldValue text(const char* field) const;
    // The lenient number reading of the field's current text.
    double lenient(const char* field) const;
    // Writes the value's number display text into the field.
    void write(const char* field, const FieldValue& value);
    // Writes the empty text into each field, in order.
    void clear(std::initializer_list<const char*> fields);
    // Makes each field read-only (still focusable, selectable and copyable).
    void lock(std::initializer_list<const char*> fields);
    // Shows or hides each control, in order.
    void setControlsVisible(std::initializer_list<const char*> controls, bool visible);

    // Connects a handler to a button press, a check box state change or a
    // click on a text field (locked ones too). Every handler runs through
    // runReported: a failure stops it and is reported, the window lives on.
    void onClick(const char* button, std::function<void()> handler);
    void onToggle(const char* checkBox, std::function<void()> handler);
    void onFieldClick(const char* field, std::function<void()> handler);

protected:
    virtual void Form_Load() {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FormDesign& design_;
    NumberLocale locale_;
    std::vector<std::pair<const char*, QWidget*>> controls_;
    std::vector<std::pair<QObject*, std::function<void()>>> fieldClicks_;
};

} // namespace qv::frame
