// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blanktitle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#if defined(QUORVANE_HAVE_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#define QUORVANE_WRITE_X11_TITLE 1
#endif

namespace qv::frame {
namespace {

#ifdef QUORVANE_WRITE_X11_TITLE
xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, std::uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
#endif

void writeBlankTitle([[maybe_unused]] QWidget* window)
{
#ifdef QUORVANE_WRITE_X11_TITLE
    // The offscreen platform answers for X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowTitle().isEmpty())
        return;
    const auto id = xcb_window_t(window->winId());
    // Both the name window managers read today and the one older ones read.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_NAME"),
                        atom(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
#endif
}

// Qt names the window when it creates it, which is before the show event;
// the window is mapped after it.
class BlankTitle : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            writeBlankTitle(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void keepTitleBlank(QWidget* window) { window->installEventFilter(new BlankTitle(window)); }

} // namespace qv::frame
