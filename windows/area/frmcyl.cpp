// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cylinder's area window: total, then lateral surface area, from the
// length and the radius (read leniently), with 22/7 for pi.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "length")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "radius")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "total surface area")},
    txt4{"txt4", QT_TRANSLATE_NOOP("Formula", "lateral surface area")};

constexpr Control controls[] = {
    // name       kind       caption                            left  top   width height tab font
    // The lateral-area field alone has no font of its own: it shows the toolkit's default.
    {txt4,       TextField, "",                                  3840, 4080, 1695, 375, 0},
    {txt1,       TextField, "",                                  3840, 720,  1695, 375, 3, &ComicSans},
    {txt2,       TextField, "",                                  3840, 1560, 1695, 375, 4, &ComicSans},
    {txt3,       TextField, "",                                  3840, 3480, 1695, 375, 1, &ComicSans},
    {"Command2", Button,    "Calculate",                         3480, 2520, 1455, 495, 5, &ComicSans},
    {"Command1", Button,    "Reset",                             1080, 2520, 1455, 495, 6, &ComicSans},
    {"Label4",   Label,     "The lateral surface area is",       720,  4080, 2895, 255, 9, &ComicSans, nullptr, txt4},
    {"Label3",   Label,     "The area of the cylinder is ",      1080, 3480, 2535, 375, 8, &ComicSans, nullptr, txt3},
    {"Label2",   Label,     "Give the radius",                   1800, 1560, 1575, 375, 7, &ComicSans, nullptr, txt2},
    {"Label1",   Label,     "Give the length",                   1800, 720,  1575, 375, 2, &ComicSans, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto L = lenient(txt1);
constexpr auto R = lenient(txt2);
constexpr auto total = write(txt3, ((44_pi * R) * (L + R)) / 7);
constexpr auto lateral = write(txt4, ((44_pi * L) * R) / 7);
constexpr auto Command2_Click = steps(L, R, total, lateral);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2, txt3, txt4);

} // namespace

extern constinit const CalculatorWindow frmcyl = checked({
    .design = {"frmcyl", "Area of cylinder", 6660, 4845, nullptr, controls},
    .item = {&Area, "mnucyl", "Cylinder"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
