// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report.h"

#include "failure.h"
#include "placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

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
    // An Enter held down since the press that failed repeats: its repeats
    // leave the box open, so that it is read, not closed at once.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return true;
        return QMessageBox::eventFilter(watched, event);
    }

    void showEvent(QShowEvent* event) override
    {
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

void report(QWidget* window, const QString& text)
{
    ReportBox box(window, text);
    box.exec();
}

} // namespace

QString fieldName(const QWidget* window, std::string_view field)
{
    const QString name = QString::fromUtf8(field.data(), qsizetype(field.size()));
    const auto* edit = window ? window->findChild<QLineEdit*>(name) : nullptr;
    if (!edit)
        return name;
    if (!edit->accessibleName().isEmpty())
        return edit->accessibleName();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == edit) {
            QString caption = label->text().simplified();
            while (caption.endsWith(u' ') || caption.endsWith(u':'))
                caption.chop(1);
            if (caption.endsWith(QLatin1String(" is")))
                caption.chop(3);
            return caption.trimmed();
        }
    return name;
}

bool runReported(QWidget* window, const std::function<void()>& handler,
                 const std::function<QString(const Failure&)>& onFailure)
{
    try {
        handler();
        return true;
    } catch (const Failure& failure) {
        QString words;
        if (onFailure) {
            words = onFailure(failure);
        } else {
            FailurePlace place;
            if (!failure.field().empty())
                place.name = fieldName(window, failure.field()).toStdString();
            words = QString::fromStdString(describe(failure, NumberLocale::fullStop(), place));
        }
        report(window, words);
    } catch (const std::exception& error) {
        report(window, QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(error.what())));
    }
    return false;
}

} // namespace qv::frame
