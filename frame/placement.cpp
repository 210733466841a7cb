#include "placement.h"

#include <algorithm>
#include <cstdlib>

namespace qv::frame {
namespace {

constexpr int gap = 8;     // between windows placed side by side
constexpr int step = 32;   // one step of a cascade, about a title bar's height

// Corners this close are the same place to the eye (and a window manager
// may shift a frame by a few pixels from where it was asked to go).
bool near(const QPoint& a, const QPoint& b)
{
    return std::abs(a.x() - b.x()) < step / 2 && std::abs(a.y() - b.y()) < step / 2;
}

// Whether a window placed at r would cover the title bar of the open window
// o, or o its: their tops within half a step, side by side in part.
bool hidesTitle(const QRect& o, const QRect& r)
{
    return std::abs(o.top() - r.top()) < step / 2 && o.left() <= r.right() && r.left() <= o.right();
}

bool isFree(const QRect& r, const QRect& available, const std::vector<QRect>& open)
{
    return available.contains(r)
           && std::none_of(open.begin(), open.end(), [&r](const QRect& o) { return o.intersects(r); });
}

} // namespace

QPoint placeBeside(QSize size, const QRect& available, const std::vector<QRect>& open)
{
    if (open.empty())
        return available.topLeft();
    const QRect& main = open.front();

    // Beside: to the right of an open window, at the top of one or just
    // below one; the right side of the main window first, then its left.
    std::vector<int> tops{main.top()};
    for (const QRect& o : open) {
        tops.push_back(o.top());
        tops.push_back(o.bottom() + 1 + gap);
    }
    std::sort(tops.begin(), tops.end());
    std::vector<int> rights, lefts;
    for (const QRect& o : open) {
        if (o.right() >= main.right())
            rights.push_back(o.right() + 1 + gap);
        if (o.left() <= main.left())
            lefts.push_back(o.left() - gap - size.width());
    }
    std::sort(rights.begin(), rights.end());
    std::sort(lefts.begin(), lefts.end(), std::greater<>());
    for (const std::vector<int>* xs : {&rights, &lefts})
        for (int x : *xs)
            for (int y : tops)
                if (const QRect r({x, y}, size); isFree(r, available, open))
                    return r.topLeft();

    // No free place: a cascade down the screen's edge on the side of the
    // main window with more room, then down the other edge, each next
    // column a step further in, so that the windows cover as little of the
    // main window as they can and each keeps its title bar in sight.
    if (size.width() > available.width() || size.height() > available.height())
        return available.topLeft();
    const bool rightFirst = available.right() - main.right() >= main.left() - available.left();
    const int lastX = available.right() + 1 - size.width();
    const int lastY = available.bottom() + 1 - size.height();
    const int firstY = std::clamp(main.top(), available.top(), lastY);
    // Where every title bar is taken, a place on no open window's corner will do.
    for (const bool titlesClear : {true, false})
        for (int column = 0; column * step <= lastX - available.left(); ++column)
            for (const bool right : {rightFirst, !rightFirst})
                for (int y = firstY; y <= lastY; y += step) {
                    const QRect r({right ? lastX - column * step : available.left() + column * step, y}, size);
                    const auto taken = [&](const QRect& o) {
                        return near(o.topLeft(), r.topLeft()) || (titlesClear && &o != &main && hidesTitle(o, r));
                    };
                    if (std::none_of(open.begin(), open.end(), taken))
                        return r.topLeft();
                }
    return available.topLeft();
}

std::optional<QPoint> placeMain(QSize window, int titleBar, const QRect& available)
{
    if (window.width() <= available.width() && window.height() + titleBar <= available.height())
        return std::nullopt;
    return available.topLeft() + QPoint(0, titleBar);
}

} // namespace qv::frame
