// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include <QRegion>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace qv::frame {
namespace {

constexpr int gap = 8; // between windows placed side by side

bool isFree(const QRect& r, const QRect& available, const std::vector<QRect>& open)
{
    return available.contains(r)
           && std::none_of(open.begin(), open.end(), [&r](const QRect& o) { return o.intersects(r); });
}

std::int64_t overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : std::int64_t(both.width()) * both.height();
}

// The widest stretch of the strip that none of the rectangles covers.
int widestUncovered(const QRect& strip, std::vector<std::pair<int, int>>& covered)
{
    std::sort(covered.begin(), covered.end());
    int widest = 0;
    int from = strip.left();
    for (const auto& [left, right] : covered) {
        widest = std::max(widest, left - from);
        from = std::max(from, right);
    }
    return std::max(widest, strip.right() + 1 - from);
}

// How the windows of the stack (the main window first, the top one last)
// keep their bars in sight: how many have them out of sight (the main
// window's title and menu bar covered at all, another's title bar covered
// but for pieces narrower than six times its height); how many more would,
// were the main window raised over the others, as a click on its menus
// raises it; and how much of the main window's bars is covered.
struct Sight {
    int hidden = 0;
    int hiddenUnderMain = 0;
    std::int64_t mainCovered = 0;
};

Sight sight(const std::vector<QRect>& stack, Bars bars)
{
    Sight out;
    std::vector<std::pair<int, int>> covered;
    for (std::size_t i = 0; i < stack.size(); ++i) {
        const bool main = i == 0;
        const QRect strip(stack[i].topLeft(), QSize(stack[i].width(), main ? bars.mainHead : bars.title));
        // The stretches of the strip that windows above it cover.
        covered.clear();
        for (std::size_t j = i + 1; j < stack.size(); ++j)
            if (const QRect c = strip.intersected(stack[j]); !c.isEmpty()) {
                covered.emplace_back(c.left(), c.right() + 1);
                if (main)
                    out.mainCovered += std::int64_t(c.width()) * c.height();
            }
        if (main) {
            out.hidden += covered.empty() ? 0 : 1;
            continue;
        }
        const int enough = std::min(strip.width(), 6 * bars.title);
        if (widestUncovered(strip, covered) < enough) {
            ++out.hidden;
        } else if (const QRect c = strip.intersected(stack.front()); !c.isEmpty()) {
            covered.emplace_back(c.left(), c.right() + 1);
            if (widestUncovered(strip, covered) < enough)
                ++out.hiddenUnderMain;
        }
    }
    return out;
}

// Positions from first to last in steps, and the extra ones given; each once.
std::vector<int> positions(int first, int last, int step, std::initializer_list<int> extra)
{
    std::vector<int> out;
    const int from = std::min(first, last);
    const int to = std::max(first, last);
    for (int p = first; p >= from && p <= to; p += first <= last ? step : -step)
        out.push_back(p);
    for (int p : extra)
        if (p >= from && p <= to && std::find(out.begin(), out.end(), p) == out.end())
            out.push_back(p);
    return out;
}

} // namespace

QPoint placeBeside(QSize size, const QRect& available, const std::vector<QRect>& open, Bars bars)
{
    if (open.empty())
        return available.topLeft();
    const QRect& main = open.front();

    // Beside: to the right of an open window, at the top of one or just
    // below one; the right side of the main window first, then its left;
    // then below the main window, then above it.
    std::vector<int> tops{std::max(main.top(), available.top())};
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
    for (const int y : {main.bottom() + 1 + gap, main.top() - gap - size.height()})
        if (const QRect r({main.left(), y}, size); isFree(r, available, open))
            return r.topLeft();

    // No free place: over the others.
    if (size.width() > available.width() || size.height() > available.height())
        return available.topLeft();
    const int lastX = available.right() + 1 - size.width();
    const int lastY = available.bottom() + 1 - size.height();
    const bool rightFirst = available.right() - main.right() >= main.left() - available.left();
    const int step = std::max(bars.title, 8);
    const std::vector<int> xs = positions(rightFirst ? lastX : available.left(), rightFirst ? available.left() : lastX,
                                          step,
                                          {rightFirst ? available.left() : lastX, main.right() + 1 + gap,
                                           main.left() - gap - size.width()});
    const std::vector<int> ys =
        positions(available.top(), lastY, step, {lastY, main.bottom() + 1 + gap, main.top() - gap - size.height()});
    // The best place by, in turn: fewest bars hidden; least of the main
    // window's bars covered; fewest title bars hidden were the main window
    // raised; clear of the main window; clear of the others; then, over the
    // main window alone, where it covers least of it, and over others, the
    // first from the top down (a cascade that keeps room for title bars
    // below it), from the side with more room inward.
    // A window the new one would cover wholly is lost from sight whatever
    // else is in sight: what is seen of each window now, as a bounding
    // rectangle, must not lie wholly under the new one.
    std::vector<QRect> seenOf;
    for (std::size_t i = 0; i < open.size(); ++i) {
        QRegion seen(open[i]);
        for (std::size_t j = i + 1; j < open.size(); ++j)
            seen -= open[j];
        if (!seen.isEmpty())
            seenOf.push_back(seen.boundingRect());
    }
    using Key = std::tuple<int, int, std::int64_t, int, bool, bool, std::int64_t>;
    std::vector<QRect> stack = open;
    stack.emplace_back();
    Key best{};
    QPoint bestAt = available.topLeft();
    bool first = true;
    for (int y : ys)
        for (int x : xs) {
            const QRect r({x, y}, size);
            stack.back() = r;
            const bool overOthers = std::any_of(open.begin() + 1, open.end(), [&r](const QRect& o) { return o.intersects(r); });
            const std::int64_t onMain = overlap(r, main);
            const Sight seen = sight(stack, bars);
            const int lost = int(std::count_if(seenOf.begin(), seenOf.end(), [&r](const QRect& s) { return r.contains(s); }));
            const Key key{lost, seen.hidden, seen.mainCovered, seen.hiddenUnderMain, onMain > 0, overOthers,
                          overOthers ? 0 : onMain};
            if (first || key < best) {
                best = key;
                bestAt = r.topLeft();
                first = false;
            }
        }
    return bestAt;
}

QPoint placeMessage(QSize size, const QRect& available, const QRect& window, const std::vector<QRect>& controls)
{
    if (size.width() > available.width() || size.height() > available.height())
        return available.topLeft();
    const int lastX = available.right() + 1 - size.width();
    const int lastY = available.bottom() + 1 - size.height();
    // Beside the window, at its top or as near it as the screen allows; below or above it.
    const int y = std::clamp(window.top(), available.top(), lastY);
    const int x = std::clamp(window.left(), available.left(), lastX);
    for (const QPoint at : {QPoint(window.right() + 1 + gap, y), QPoint(window.left() - gap - size.width(), y),
                            QPoint(x, window.bottom() + 1 + gap), QPoint(x, window.top() - gap - size.height())})
        if (const QRect r(at, size); available.contains(r) && !r.intersects(window))
            return at;

    // Over the window: where it covers fewest of its controls, then least of
    // them, then nearest the window's middle.
    constexpr int fine = 8;
    std::tuple<int, std::int64_t, std::int64_t> best{-1, 0, 0};
    QPoint bestAt = available.topLeft();
    for (const int bx : positions(available.left(), lastX, fine, {lastX}))
        for (const int by : positions(available.top(), lastY, fine, {lastY})) {
            const QRect r({bx, by}, size);
            int count = 0;
            std::int64_t covered = 0;
            for (const QRect& c : controls)
                if (const std::int64_t o = overlap(r, c); o > 0) {
                    ++count;
                    covered += o;
                }
            const QPoint d = r.center() - window.center();
            const std::tuple<int, std::int64_t, std::int64_t> key{count, covered,
                                                                  std::int64_t(d.x()) * d.x() + std::int64_t(d.y()) * d.y()};
            if (std::get<0>(best) < 0 || key < best) {
                best = key;
                bestAt = r.topLeft();
            }
        }
    return bestAt;
}

Bars barsOf(const QRect& frame, const QRect& client, int menuBar)
{
    const int title = std::max(client.top() - frame.top(), 16);
    return {title, title + menuBar};
}

std::optional<QPoint> placeMain(QSize window, int titleBar, const QRect& available)
{
    if (window.width() <= available.width() && window.height() + titleBar <= available.height())
        return std::nullopt;
    return available.topLeft() + QPoint(0, titleBar);
}

} // namespace qv::frame
