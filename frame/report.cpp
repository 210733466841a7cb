#include "report.h"

#include "failure.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <exception>

namespace qv::frame {
namespace {

void report(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvane Calculator"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void runReported(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Failure& failure) {
        const auto words = describe(failure.kind());
        report(parent, QString::fromUtf8(words.data(), qsizetype(words.size())));
    } catch (const std::exception& error) {
        report(parent, QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(error.what())));
    }
}

} // namespace qv::frame
