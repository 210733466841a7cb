// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include "field.h"
#include "fontface.h"
#include "twips.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cstring>
#include <set>

namespace qv::frame {
namespace {

QWidget* makeWidget(const Control& c, const FormDesign& design, QWidget* parent, int lineHeight)
{
    const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        if (lineHeight == 100) {
            label->setTextFormat(Qt::PlainText);
            label->setText(caption);
        } else {
            // Plain text keeps the face's line spacing; a paragraph sets its own.
            label->setTextFormat(Qt::RichText);
            label->setText(QStringLiteral("<p style=\"margin: 0; white-space: pre-wrap; line-height: %1%\">%2</p>")
                               .arg(QString::number(lineHeight), caption.toHtmlEscaped()));
        }
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextField: {
        // Its font before its text: a text field lays its text out at once.
        auto* field = new Field(parent);
        field->setDesignedFont(shownFont(fontOf(c, design)).font);
        field->setInitialText(caption);
        return field;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    }
    return nullptr;
}

// Whether area, in the control's container, lies inside it and clear of
// every other control there.
bool isClear(const QWidget* control, const QRect& area)
{
    const QWidget* container = control->parentWidget();
    if (!container->rect().contains(area))
        return false;
    for (const QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != control && other->geometry().intersects(area))
            return false;
    return true;
}

// The classes whose top-level widgets are windows to assistive technology.
std::set<QString>& windowClasses()
{
    static std::set<QString> classes;
    return classes;
}

QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    if (windowClasses().count(className) && object->isWidgetType() && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}


} // namespace

QWidget* makeControl(const Control& c, const FormDesign& design, QWidget* container)
{
    QWidget* w = makeWidget(c, design, container, shownFont(fontOf(c, design)).lineHeight);
    w->setObjectName(QString::fromLatin1(c.name));
    w->setGeometry(twipsRect(c.left, c.top, c.width, c.height));
    if (c.font)
        w->setFont(shownFont(*c.font).font);
    if (c.accessibleName)
        w->setAccessibleName(QCoreApplication::translate("Accessible name", c.accessibleName));
    return w;
}

void growToCaption(QLabel* label)
{
    if (!label->wordWrap())
        return;
    const QRect designed = label->geometry();
    const int extra = label->heightForWidth(designed.width()) - designed.height();
    if (extra <= 0)
        return;
    const QRect below(designed.left(), designed.bottom() + 1, designed.width(), extra);
    const QRect above(designed.left(), designed.top() - extra, designed.width(), extra);
    if (!isClear(label, below) && isClear(label, above))
        label->setGeometry(designed.adjusted(0, -extra, 0, 0));
    else
        label->setGeometry(designed.adjusted(0, 0, 0, extra));
}


void announceAsWindows(const char* className)
{
    if (windowClasses().empty())
        QAccessible::installFactory(windowAccessible);
    windowClasses().insert(QString::fromLatin1(className));
}

} // namespace qv::frame
