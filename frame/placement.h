// Where a new window goes on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace qv::frame {

// The top-left corner for a new window whose frame has the given size.
// open: the frames of the windows already on the screen, the main window
// first. The window goes beside them, wholly inside the available area:
// to the right of the main window (or of a window beside it, or below one
// there) where there is room, else to the left; where no such place is
// free it cascades from the main window's corner over the others, still
// inside the area (or at its top-left corner when larger than it), and
// never exactly on an open window's corner.
//   placeBeside({480, 350}, {0, 0, 1920, 1080}, {{100, 100, 640, 580}}) == QPoint(748, 100)
QPoint placeBeside(QSize size, const QRect& available, const std::vector<QRect>& open);

} // namespace qv::frame
