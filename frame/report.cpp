// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report.h"

#include "keys.h"
#include "placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <exception>
#include <vector>

namespace qv::frame {
namespace {

// A message box that places itself once it is laid out: QMessageBox sizes
// itself to its text only as it is shown, so a size taken before would be a
// guess, and a long message would cover the window it is about.
class ReportBox : public QMessageBox {
public:
    ReportBox(QWidget* window, const QString& text)
        : QMessageBox(QMessageBox::Critical, QStringLiteral("Quorvane Calculator"), text, QMessageBox::Ok, window),
          window_(window->window())
    {
        setWindowModality(Qt::ApplicationModal);
        installEventFilter(this);
        for (QAbstractButton* b : buttons())
            b->installEventFilter(this);
    }

protected:
    // A key held down since before the box opened (the Enter that pressed
    // Calculate) closes nothing: its repeats are passed over, so that the
    // box is read, not closed at once; let go and pressed anew, it counts.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && HeldKeys::watch().repeats(static_cast<QKeyEvent*>(event)))
            return true;
        return QMessageBox::eventFilter(watched, event);
    }

    void showEvent(QShowEvent* event) override
    {
        HeldKeys::watch().forgetDown();
        QMessageBox::showEvent(event); // lays the box out and fixes its size
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        // The box's frame is not known before it is mapped; the window's is.
        const QRect frame = window_->frameGeometry();
        const QSize outer = size() + frame.size() - window_->size();
        std::vector<QRect> controls;
        for (const QWidget* c : window_->findChildren<QWidget*>())
            if ((qobject_cast<const QLineEdit*>(c) || qobject_cast<const QAbstractButton*>(c)) && c->isVisible())
                controls.emplace_back(c->mapToGlobal(QPoint(0, 0)), c->size());
        const QPoint corner = placeMessage(outer, screen->availableGeometry(), frame, controls);
        // The box exists on the screen by now, so a move places its client
        // area, whose frame the window system then puts around it.
        move(corner + window_->geometry().topLeft() - frame.topLeft());
    }

private:
    QWidget* window_;
};

// The window's mark while a box of its own is on its way or up.
constexpr const char* reportingMark = "qv-reporting";

} // namespace

void report(QWidget* window, const QString& words, const QString& kind)
{
    QWidget* w = window->window();
    if (reporting(w))
        return;
    w->setProperty(reportingMark, true);
    QMetaObject::invokeMethod(
        w,
        [w, words, kind] {
            const QPointer<QWidget> alive(w);
            {
                ReportBox box(w, words);
                box.setProperty("failure", kind);
                box.exec();
            }
            if (alive)
                alive->setProperty(reportingMark, false);
        },
        Qt::QueuedConnection);
}

bool reporting(const QWidget* window) { return window->window()->property(reportingMark).toBool(); }

bool guarded(QWidget* window, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        report(window, QCoreApplication::translate("Failure", "Unexpected error: %1").arg(QString::fromUtf8(error.what())),
               QStringLiteral("unexpected"));
    }
    return false;
}

} // namespace qv::frame
