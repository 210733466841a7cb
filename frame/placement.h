// Where a new window goes on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace qv::frame {

// The top-left corner for a new window whose frame has the given size.
// open: the frames of the windows already on the screen, the main window
// first. The window goes beside them, wholly inside the available area:
// to the right of the main window (or of a window beside it, or below one
// there) where there is room, else to the left; where no such place is
// free it cascades down the screen's edge on the side of the main window
// with more room, from the main window's top, then down the other edge,
// each column a step further in: inside the area (or at its top-left
// corner when larger than it), covering as little of the main window as
// it can, never on (or within a few pixels of) the main window's corner,
// and never where its title bar and another's would cover each other.
//   placeBeside({480, 350}, {0, 0, 1920, 1080}, {{100, 100, 640, 580}}) == QPoint(748, 100)
QPoint placeBeside(QSize size, const QRect& available, const std::vector<QRect>& open);

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
