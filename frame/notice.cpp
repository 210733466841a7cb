// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace qv::frame {
namespace {
QAccessibleInterface* noticeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

bool tellAlways = false;

} // namespace

Notice::Notice(QWidget* window) : QWidget(window)
{
    static const bool accessible = (QAccessible::installFactory(noticeAccessible), true);
    (void)accessible;
    setObjectName(QStringLiteral("notice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

bool Notice::wanted() { return tellAlways || QAccessible::isActive(); }

void Notice::setTellAlways(bool always) { tellAlways = always; }

// Shown again, the notice is spoken again, the same words too.
void Notice::tell(const QString& words)
{
    hide();
    if (words.isEmpty())
        return;
    setAccessibleName(words);
    show();
}

} // namespace qv::frame
