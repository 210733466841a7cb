// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rectangle's area window: the length's text times the breadth's, both
// read strictly as they take part (an empty field is a conversion failure).
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmrect", "Area of a rectangle", 7230, 5310, nullptr, {
        // name       kind       caption                                      left  top   width height tab font     frame     names
        {"Frame1",   Frame,     "Area of a rectangle",                         0,    0,    7215, 5295, 1},
        {"txt1",     TextField, "",                                            3480, 600,  1695, 375,  2, nullptr, "Frame1"},
        {"txt2",     TextField, "",                                            3480, 1440, 1695, 375,  3, nullptr, "Frame1"},
        {"txt3",     TextField, "",                                            3480, 3240, 1695, 375,  0, nullptr, "Frame1"},
        {"cmd2",     Button,    "Calculate",                                   3480, 2280, 1575, 495,  4, nullptr, "Frame1"},
        {"cmd1",     Button,    "Reset",                                       1200, 2280, 1575, 495,  5, nullptr, "Frame1"},
        {"Label3",   Label,     "The area of the rectangle in sq m is : ",     480,  3240, 2655, 255,  8, nullptr, "Frame1", "txt3"},
        {"Label2",   Label,     "Give the breadth of the rectangle in m :",    360,  1440, 2895, 255,  7, nullptr, "Frame1", "txt2"},
        {"Label1",   Label,     "Give the length of the rectangle in m :",     360,  600,  2775, 255,  6, nullptr, "Frame1", "txt1"},
    }},
    .item = {&Area, "mnurect", "Rectangle"},
    .results = {"txt3"},
    .calculate = {"cmd2", [](Form& w) {
        const FieldValue l = w.text("txt1");
        const FieldValue b = w.text("txt2");
        w.write("txt3", l * b);
    }},
    .formulas = {
        {"txt3", "area = length × breadth"},
    },
    .reset = {"cmd1", {"txt1", "txt2", "txt3"}},
};
} // namespace

extern constinit const CalculatorWindow frmrect = checked(declaration);
} // namespace qv::windows
