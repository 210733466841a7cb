#include "report.h"

#include "failure.h"
#include "placement.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

#include <exception>

namespace qv::frame {
namespace {

void report(QWidget* window, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvane Calculator"), text, QMessageBox::Ok, window);
    box.setWindowModality(Qt::ApplicationModal);
    if (const QScreen* screen = window->screen()) {
        // The box's frame is not known before it is shown; the window's is.
        box.adjustSize();
        const QWidget* top = window->window();
        const QRect beside = top->frameGeometry();
        const QSize outer = box.size() + beside.size() - top->size();
        const QRect available = screen->availableGeometry();
        // Beside the window, else below or above it, else where Qt puts it.
        for (const QPoint at : {placeBeside(outer, available, {beside}), QPoint(beside.left(), beside.bottom() + 1),
                                QPoint(beside.left(), beside.top() - outer.height())})
            if (const QRect r(at, outer); available.contains(r) && !r.intersects(beside)) {
                box.move(at);
                break;
            }
    }
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
            QString caption = label->text();
            while (caption.endsWith(u' ') || caption.endsWith(u':'))
                caption.chop(1);
            return caption.trimmed();
        }
    return name;
}

void runReported(QWidget* window, const std::function<void()>& handler, const std::function<void()>& onFailure)
{
    try {
        handler();
    } catch (const Failure& failure) {
        if (onFailure)
            onFailure();
        const std::string words =
            describe(failure.kind(), failure.field().empty() ? std::string()
                                                             : fieldName(window, failure.field()).toStdString());
        report(window, QString::fromStdString(words));
    } catch (const std::exception& error) {
        report(window, QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(error.what())));
    }
}

} // namespace qv::frame
