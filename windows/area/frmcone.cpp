// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cone window: slant height, curved and total surface area from the radius
// and the height (read leniently), each written before the next is computed.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "height")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "slant height")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "curved surface area")},
    txt5{"txt5", QT_TRANSLATE_NOOP("Formula", "total surface area")};

constexpr Control controls[] = {
    // name       kind       caption                            left  top   width height tab font     frame    names
    {"cmdcal",   Button,    "Calculate",                         3000, 2400, 1335, 495, 6},
    {"cmdre",    Button,    "Reset",                             960,  2400, 1335, 495, 7},
    {txt5,       TextField, "",                                  3360, 4920, 1695, 390, 0},
    {txt4,       TextField, "",                                  3360, 4080, 1695, 390, 1},
    {txt3,       TextField, "",                                  2280, 3240, 1695, 390, 2},
    {txt2,       TextField, "",                                  2160, 1560, 1695, 390, 5},
    {txt1,       TextField, "",                                  2160, 720,  1695, 390, 4},
    {"Label5",   Label,     "The total surface area is ",        360,  4920, 2655, 375, 11, nullptr, nullptr, txt5},
    {"Label4",   Label,     "The curved surface area is ",       360,  4080, 2535, 495, 10, nullptr, nullptr, txt4},
    {"Label3",   Label,     "The slant height is",               360,  3240, 1695, 375, 9,  nullptr, nullptr, txt3},
    {"Label2",   Label,     "Give the height",                   360,  1560, 1575, 495, 8,  nullptr, nullptr, txt2},
    {"Label1",   Label,     "Give the radius",                   360,  720,  1455, 255, 3,  nullptr, nullptr, txt1},
};

// cmdcal_Click, Calculate: the steps in the order they are evaluated.
constexpr auto r = lenient(txt1);
constexpr auto h = lenient(txt2);
// The slant height is written, then both areas use it.
constexpr auto l = write(txt3, power(r * r + h * h, real(1.0) / real(2.0)));
constexpr auto curved = write(txt4, ((22_pi * r) * l) / 7);
constexpr auto total = write(txt5, ((22_pi * r) * (l + r)) / 7);
constexpr auto cmdcal_Click = steps(r, h, l, curved, total);

// cmdre_Click, Reset: the fields it empties, in order.
constexpr auto cmdre_Click = clear(txt1, txt5, txt4, txt3, txt2);

} // namespace

extern constinit const CalculatorWindow frmcone = checked({
    .design = {"frmcone", " ", 5970, 5670, &ComicSans, controls},
    .item = {&Area, "mnucone", "Cone"},
    .calculate = {"cmdcal", cmdcal_Click},
    .reset = {"cmdre", cmdre_Click},
});
} // namespace qv::windows
