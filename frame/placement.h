// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a new window goes on the screen, and where a message box goes.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace qv::frame {

// The bars at the top of a window's frame that must stay in sight.
struct Bars {
    // A window's title bar, from the top of its frame: a part of it at least
    // six times as wide as it is high stays uncovered, with room for the
    // window's buttons and to take it by.
    int title = 24;
    // The main window's title and menu bar, which stay wholly uncovered.
    int mainHead = 48;
};

// The bars of a window whose frame and client area stand as given, with a
// menu bar menuBar pixels high at the top of its client area: its title bar
// as high as the window manager draws it, but at least 16 pixels where the
// platform tells no frame (or a thinner one), and below it the menu bar.
//   barsOf({100, 100, 648, 612}, {104, 128, 640, 580}, 21) == Bars{28, 49}
//   barsOf({100, 100, 640, 580}, {100, 100, 640, 580}, 21) == Bars{16, 37}
Bars barsOf(const QRect& frame, const QRect& client, int menuBar);

// The top-left corner for a new window whose frame has the given size.
// open: the frames of the windows already on the screen, the main window
// first, then the others from the bottom of the stack to its top; the new
// window goes on top of them all, wholly inside the available area.
//  - Beside them where that is free: to the right of the main window (or of
//    a window beside it, or below one there) where there is room, else to
//    the left, else below or above the main window.
//  - Else over the others, never over all that is seen of a window, with
//    every window's title bar still in sight and
//    the main window's title and menu bar wholly uncovered, the title bars
//    in sight even with the main window raised over the others (a click on
//    its menus raises it) wherever that can be: clear of the main window
//    where any such place is left; else, where it would cover the main
//    window alone, where it covers least of it (a lower corner); else the
//    first such place from the top down, from the side of the main window
//    with more room inward: a cascade, each window a title bar below or
//    beside the ones it covers, which leaves room for the next.
//  - Where every place would hide a title bar, the place that hides fewest,
//    and least of the main window's bars.
//   placeBeside({480, 350}, {0, 0, 1920, 1080}, {{100, 100, 640, 580}}) == QPoint(748, 100)
QPoint placeBeside(QSize size, const QRect& available, const std::vector<QRect>& open, Bars bars = {});

// The top-left corner for a message box whose frame has the given size,
// about the window whose frame is given: beside the window (right, then
// left, at its top), else below or above it, wholly inside the available
// area; where none of those is free, the place that covers fewest of the
// window's controls (its fields and buttons, in screen coordinates), then
// as little of them as it can, nearest the window.
//   placeMessage({300, 120}, {0, 0, 1280, 1024}, {100, 100, 480, 350}, {}) == QPoint(588, 100)
QPoint placeMessage(QSize size, const QRect& available, const QRect& window, const std::vector<QRect>& controls);

// Where the main window first opens, given its own size and the height of
// the title bar its frame adds above it: where the window manager puts it
// (nullopt) when the two fit the available area; else, as at a large scale
// on a small screen, with its frame at the area's top-left corner, so that
// the title bar is on the screen and can be taken hold of, where a window
// manager might centre it with the title bar above the screen. The point is
// the window's own top-left corner, inside its frame: before a window is
// first shown its frame is not known, and Qt places the window itself.
//   placeMain({622, 575}, 24, {0, 0, 1366, 768}) == std::nullopt
//   placeMain({622, 575}, 24, {0, 32, 780, 406}) == QPoint(0, 56)
std::optional<QPoint> placeMain(QSize window, int titleBar, const QRect& available);

} // namespace qv::frame
