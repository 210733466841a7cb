// The main window: title, arithmetic panel and the menu bar that opens every
// calculator window.
#pragma once

#include "form.h"
#include "formslots.h"
#include "numberlocale.h"

#include <QMainWindow>

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
    void Form_Load();
    void mnures_Click();
    void mnuexit_Click();

    frame::Form* panel_; // owned by this window, as its central widget
    frame::FormSlots windows_;
};

} // namespace qv::app
