#include "placement.h"

#include <algorithm>

namespace qv::frame {
namespace {

constexpr int gap = 8;     // between windows placed side by side
constexpr int step = 32;   // one step of a cascade, about a title bar's height

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

    // A cascade from the main window's corner, kept inside the area.
    const int roomX = std::max(0, available.width() - size.width());
    const int roomY = std::max(0, available.height() - size.height());
    const QPoint origin = main.topLeft() - available.topLeft();
    for (int k = 1; k <= 1000; ++k) {
        const int x = roomX ? (origin.x() + k * step) % (roomX + 1) : 0;
        const int y = roomY ? (origin.y() + k * step) % (roomY + 1) : 0;
        const QPoint at = available.topLeft() + QPoint(x, y);
        if (std::none_of(open.begin(), open.end(), [&at](const QRect& o) { return o.topLeft() == at; }))
            return at;
    }
    return available.topLeft();
}

} // namespace qv::frame
