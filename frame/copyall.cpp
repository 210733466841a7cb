// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyall.h"

#include "field.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace qv::frame {

void offerCopyAll(QWidget& window, std::function<QString()> copyText)
{
    auto* action = new QAction(QCoreApplication::translate("Copy all", "Copy all"), &window);
    action->setObjectName(QLatin1String(copyAllName));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, [copyText = std::move(copyText)] {
        if (const QString text = copyText(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
    window.addAction(action);
}

QAction* copyAllAction(const QWidget* field) { return windowAction(field, copyAllName); }

void addCopyAllEntry(QMenu* menu, const QWidget* from)
{
    QAction* all = copyAllAction(from);
    if (!all)
        return;
    QAction* entry = menu->addAction(all->text() + u'\t' + all->shortcut().toString(QKeySequence::NativeText));
    entry->setObjectName(QLatin1String(copyAllName));
    QObject::connect(entry, &QAction::triggered, all, &QAction::trigger);
}

QString oneLine(QString text)
{
    for (const QChar blank : {u'\t', u'\n', u'\r'})
        text.replace(blank, u' ');
    return text;
}

} // namespace qv::frame
