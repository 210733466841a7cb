// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: the least a Qt Widgets program can
// show, a window with one label and one line edit. With --size WxH its client
// area has that size (the calculator's own is 622x533 below its menu bar), to
// tell what a larger window costs by itself.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Number"), &window));
    layout->addWidget(new QLineEdit(&window));
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--size")); at > 0 && at + 1 < args.size()) {
        const QStringList wh = args[at + 1].split(u'x');
        if (wh.size() == 2)
            window.setFixedSize(wh[0].toInt(), wh[1].toInt());
    }
    window.show();
    return QApplication::exec();
}
