// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The diagonal window: ((l * l) + (b * b)) ^ (1.0 / 2.0), the length and
// breadth texts taking part in the products, read strictly on each use.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "length")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "breadth")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "diagonal")};

constexpr Control controls[] = {
    // name       kind       caption                           left  top   width height tab font
    {"Command2", Button,    "Calculate",                        3000, 2640, 1455, 495, 4, &ComicSans},
    {"Command1", Button,    "Reset",                            720,  2640, 1335, 495, 5, &ComicSans},
    {txt3,       TextField, "",                                 3120, 1800, 1695, 420, 3, &ComicSans},
    {txt2,       TextField, "",                                 2280, 1080, 1695, 400, 2, &ComicSans},
    {txt1,       TextField, "",                                 2280, 360,  1695, 400, 0, &ComicSans},
    {"Label3",   Label,     "The length of the diagnol is:",    120,  1800, 2655, 375, 7, &ComicSans, nullptr, txt3},
    {"Label2",   Label,     "Give the breadth",                 240,  1080, 1695, 255, 6, &ComicSans, nullptr, txt2},
    {"Label1",   Label,     "Give the length:",                 360,  480,  1455, 255, 1, &ComicSans, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto l = text(txt1);
constexpr auto b = text(txt2);
constexpr auto diagonal = write(txt3, power(l * l + b * b, real(1.0) / real(2.0)));
constexpr auto Command2_Click = steps(l, b, diagonal);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmdia = checked({
    .design = {"frmdia", "Length of the diagnol", 5640, 3960, nullptr, controls},
    .item = {&Area, "mnudia", "Length of diagnol"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
