// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmquorvane.h"
#include "startup.h"
#include "style.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <QTimer>

#include <optional>

namespace {

// The separators the calculator reads and writes numbers with.
qv::NumberLocale systemNumberLocale()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace qv::app;
    // --help, --version, a wrong option and a missing display end the run
    // here, before Qt needs a display; otherwise Qt gets the platform chosen.
    // The user's language, for all the calculator says from here on.
    Catalogues catalogues;
    if (const std::optional<int> status = prepareLaunch(argc, argv, catalogues))
        return *status;
    const QtMessageHandler standard = qInstallMessageHandler(startUpMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    catalogues.install();
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    // Desktops match the windows to the launcher entry by this name (Wayland's
    // app id); under X11 they match WM_CLASS "quorvane", the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
    QApplication::setStyle(new qv::app::Style);
    qv::app::frmquorvane window(systemNumberLocale());
    window.show();
    // The icon is for the task bar: it can wait until the window is on its way.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(calculatorIcon()); });
    return QApplication::exec();
}
