// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sphere's surface-area window: 4 pi r squared with 22/7 for pi, folded
// into 88 and 7, the division last. The radius is read leniently.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmsph", "Area os sphere", 6390, 3285, &ComicSans, {
        // name       kind       caption                                       left  top   width height tab font     frame    names
        {"txt2",     TextField, "",                                             3840, 2160, 1695, 390, 0},
        {"txt1",     TextField, "",                                             3840, 480,  1695, 390, 2},
        {"Command2", Button,    "Calculate",                                    3120, 1200, 1455, 495, 3},
        {"Command1", Button,    "Reset",                                        960,  1200, 1455, 495, 4},
        {"Label2",   Label,     "The total surface area of the sphere is ",     120,  2160, 3615, 375, 5, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Give the radius of the sphere",                480,  480,  2775, 255, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Area, "mnusph", "Sphere"},
    .results = {"txt2"},
    .calculate = {"Command2", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        w.write("txt2", ((FieldValue(88) * r) * r) / FieldValue(7));
    }},
    .formulas = {
        {"txt2", "surface area = 88 × radius × radius ÷ 7"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmsph = checked(declaration);
} // namespace qv::windows
