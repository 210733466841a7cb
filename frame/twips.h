// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window and control geometry is designed in twips: 1440 to the inch, 15 to a
// pixel at 96 dots per inch. Qt's device-independent pixels are 96-DPI pixels,
// and Qt's high-DPI scaling takes them to the screen.
#pragma once

#include <QRect>
#include <QSize>

namespace qv::frame {

constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round half away from zero: 7 twips is 0 pixels, 8 twips is 1.
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height) { return {twipsToPixels(width), twipsToPixels(height)}; }

} // namespace qv::frame
