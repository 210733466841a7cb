// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The diagonal window: ((l * l) + (b * b)) ^ (1.0 / 2.0), the length and
// breadth texts taking part in the products, read strictly on each use.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmdia", "Length of the diagnol", 5640, 3960, nullptr, {
        // name       kind       caption                           left  top   width height tab font
        {"Command2", Button,    "Calculate",                        3000, 2640, 1455, 495, 4, &ComicSans},
        {"Command1", Button,    "Reset",                            720,  2640, 1335, 495, 5, &ComicSans},
        {"txt3",     TextField, "",                                 3120, 1800, 1695, 420, 3, &ComicSans},
        {"txt2",     TextField, "",                                 2280, 1080, 1695, 400, 2, &ComicSans},
        {"txt1",     TextField, "",                                 2280, 360,  1695, 400, 0, &ComicSans},
        {"Label3",   Label,     "The length of the diagnol is:",    120,  1800, 2655, 375, 7, &ComicSans, nullptr, "txt3"},
        {"Label2",   Label,     "Give the breadth",                 240,  1080, 1695, 255, 6, &ComicSans, nullptr, "txt2"},
        {"Label1",   Label,     "Give the length:",                 360,  480,  1455, 255, 1, &ComicSans, nullptr, "txt1"},
    }},
    .item = {&Area, "mnudia", "Length of diagnol"},
    .results = {"txt3"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue l = w.text("txt1");
        const FieldValue b = w.text("txt2");
        // One step at a time: C++ leaves the order of a sum's operands open,
        // and the length's square must fail before the breadth's.
        const FieldValue lengthSquared = l * l;
        const FieldValue breadthSquared = b * b;
        const FieldValue sum = lengthSquared + breadthSquared;
        const FieldValue e = FieldValue(1.0) / FieldValue(2.0);
        w.write("txt3", power(sum, e));
    }},
    // Reset: a button captioned Reset empties every field, as in the other windows.
    .formulas = {
        {"txt3", "diagonal = (length × length + breadth × breadth) ^ (1 ÷ 2)"},
    },
    .reset = {"Command1", {"txt1", "txt2", "txt3"}},
};
} // namespace

extern constinit const CalculatorWindow frmdia = checked(declaration);
} // namespace qv::windows
