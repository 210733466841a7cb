// The main window: title, arithmetic panel and the menu bar that opens every
// calculator window.
#pragma once

#include "form.h"
#include "formslots.h"
#include "numberlocale.h"

#include <QMainWindow>

#include <initializer_list>

namespace qv::app {

class frmquorvane : public QMainWindow {
    Q_OBJECT

public:
    explicit frmquorvane(const NumberLocale& locale);

    // The arithmetic panel and title: the window's client area.
    frame::Form& panel() { return *panel_; }
    frame::FormSlots& windows() { return windows_; }

private:
    void buildMenus();
    void connectPanel();
    void Form_Load();
    void mnures_Click();
    void mnuexit_Click();

    // Operation selection: a tick shows the box's row and the Calculate
    // button, an untick hides the row (the button stays).
    void chk1_Click();
    void chk2_Click();
    void chk3_Click();
    void chk5_Click();
    void chk6_Click();
    void showRow(const char* box, std::initializer_list<const char*> row);

    // Calculate computes all five rows, shown or hidden, in this order.
    void cmdcal_Click();

    // A click on a result field computes that one row.
    void txt3_Click() { sum(); }
    void txt6_Click() { difference(); }
    void txt9_Click() { product(); }
    void txt15_Click() { powerRow(); }
    void txt17_Click() { factorial(); }

    // The five rows: each reads its inputs leniently, in order, and writes
    // its result field.
    void sum();
    void difference();
    void product();
    void powerRow();
    void factorial();

    frame::Form* panel_; // owned by this window, as its central widget
    frame::FormSlots windows_;
};

} // namespace qv::app
