// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The triangle's area window: Heron's formula on three leniently read sides;
// sides that make no triangle give a negative product, an invalid argument.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "a")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "b")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "c")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "area")};

constexpr Control controls[] = {
    // name       kind       caption                                          left  top   width height tab font     frame     names   accessible name
    {"Frame1",   Frame,     "Area of a triangle",                              0,    0,    5655, 3855, 1},
    {txt4,       TextField, "",                                                3000, 3000, 1695, 375,  0, nullptr, "Frame1"},
    {"Command2", Button,    "Reset",                                           600,  2160, 1455, 495,  6, nullptr, "Frame1"},
    {"Command1", Button,    "Calculate",                                       600,  1200, 1455, 495,  5, nullptr, "Frame1"},
    {txt3,       TextField, "",                                                3000, 2280, 1695, 375,  4, nullptr, "Frame1", nullptr, QT_TRANSLATE_NOOP("Accessible name", "Third side of the triangle in m")},
    {txt2,       TextField, "",                                                3000, 1560, 1695, 375,  3, nullptr, "Frame1", nullptr, QT_TRANSLATE_NOOP("Accessible name", "Second side of the triangle in m")},
    {txt1,       TextField, "",                                                3000, 840,  1695, 375,  2, nullptr, "Frame1", nullptr, QT_TRANSLATE_NOOP("Accessible name", "First side of the triangle in m")},
    {"Label2",   Label,     "The area of the triangle is : ",                  480,  3000, 1935, 255,  8, nullptr, "Frame1", txt4},
    // Stands above all three side fields: its buddy is the first, and each side field
    // carries its own name for a screen reader.
    {"Label1",   Label,     "Give the three sides of the triangle in m : ",    240,  480,  2895, 255,  7, nullptr, "Frame1", txt1},
};

// Command1_Click, Calculate: the steps in the order they are evaluated.
constexpr auto a = lenient(txt1);
constexpr auto b = lenient(txt2);
constexpr auto c = lenient(txt3);
// Heron's formula, the half perimeter s computed once.
constexpr auto s = let("s", ((a + b) + c) / 2);
constexpr auto area = write(txt4, power(s * (((s - a) * (s - b)) * (s - c)), real(1.0) / real(2.0)));
constexpr auto Command1_Click = steps(a, b, c, s, area);

// Command2_Click, Reset: the fields it empties, in order.
constexpr auto Command2_Click = clear(txt1, txt2, txt3, txt4);

} // namespace

extern constinit const CalculatorWindow frmtri = checked({
    .design = {"frmtri", "Area of a triangle", 5670, 3870, nullptr, controls},
    .item = {&Area, "mnutri", "Triangle"},
    .calculate = {"Command1", Command1_Click},
    .reset = {"Command2", Command2_Click},
    // The only power of a negative number here is the root of a negative
    // product, which sides that make no triangle give.
    .explains = {Cause::NegativeToFractionalPower,
                 QT_TRANSLATE_NOOP("Explanation",
                                   "these three sides make no triangle, as one is longer than the other two together")},
});
} // namespace qv::windows
