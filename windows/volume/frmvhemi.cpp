// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hemisphere's volume window: 2/3 pi r^3 with pi as 22/7, written as
// (((44 * r) * r) * r) / 21 and evaluated in exactly that order.
#include "windows.h"

namespace qv::windows {
namespace {
constexpr CalculatorWindow declaration{
    .design = {"frmvhemi", "Volume of a hemi-sphere", 6900, 4935, &ComicSans, {
        // name       kind       caption                               left  top   width height tab
        {"txt2",     TextField, "",                                   3960, 2760, 1695, 390, 0},
        {"Command2", Button,    "Calculate",                          2880, 1680, 1455, 495, 3},
        {"Command1", Button,    "Reset",                              720,  1680, 1455, 495, 4},
        {"txt1",     TextField, "",                                   2880, 720,  1695, 390, 2},
        {"Label2",   Label,     "The volume of the hemi-sphere is",   480,  2760, 3015, 495, 5, nullptr, nullptr, "txt2"},
        {"Label1",   Label,     "Give the radius",                    480,  720,  1695, 375, 1, nullptr, nullptr, "txt1"},
    }},
    .item = {&Volume, "mnuhemi1", "Hemi-sphere"},
    .results = {"txt2"},
    // As in the sphere window: the whole product first, the division last.
    .calculate = {"Command2", [](Form& w) {
        const FieldValue r = w.lenient("txt1");
        const FieldValue volume = (((FieldValue(44) * r) * r) * r) / FieldValue(21);
        w.write("txt2", volume);
    }},
    .formulas = {
        {"txt2", "volume = 44 × radius × radius × radius ÷ 21"},
    },
    .pi = "22/7",
    .reset = {"Command1", {"txt1", "txt2"}},
};
} // namespace

extern constinit const CalculatorWindow frmvhemi = checked(declaration);
} // namespace qv::windows
