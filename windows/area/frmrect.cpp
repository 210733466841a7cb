// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rectangle's area window: the length's text times the breadth's, both
// read strictly as they take part (an empty field is a conversion failure).
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "length")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "breadth")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "area")};

constexpr Control controls[] = {
    // name       kind       caption                                      left  top   width height tab font     frame     names
    {"Frame1",   Frame,     "Area of a rectangle",                         0,    0,    7215, 5295, 1},
    {txt1,       TextField, "",                                            3480, 600,  1695, 375,  2, nullptr, "Frame1"},
    {txt2,       TextField, "",                                            3480, 1440, 1695, 375,  3, nullptr, "Frame1"},
    {txt3,       TextField, "",                                            3480, 3240, 1695, 375,  0, nullptr, "Frame1"},
    {"cmd2",     Button,    "Calculate",                                   3480, 2280, 1575, 495,  4, nullptr, "Frame1"},
    {"cmd1",     Button,    "Reset",                                       1200, 2280, 1575, 495,  5, nullptr, "Frame1"},
    {"Label3",   Label,     "The area of the rectangle in sq m is : ",     480,  3240, 2655, 255,  8, nullptr, "Frame1", txt3},
    {"Label2",   Label,     "Give the breadth of the rectangle in m :",    360,  1440, 2895, 255,  7, nullptr, "Frame1", txt2},
    {"Label1",   Label,     "Give the length of the rectangle in m :",     360,  600,  2775, 255,  6, nullptr, "Frame1", txt1},
};

// cmd2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto l = text(txt1);
constexpr auto b = text(txt2);
constexpr auto area = write(txt3, l * b);
constexpr auto cmd2_Click = steps(l, b, area);

// cmd1_Click, Reset: the fields it empties, in order.
constexpr auto cmd1_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmrect = checked({
    .design = {"frmrect", "Area of a rectangle", 7230, 5310, nullptr, controls},
    .item = {&Area, "mnurect", "Rectangle"},
    .calculate = {"cmd2", cmd2_Click},
    .reset = {"cmd1", cmd1_Click},
});
} // namespace qv::windows
