// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The division window: a first number divided by a second, both read leniently.
#include "windows.h"

namespace qv::windows {
namespace {

// The text fields, by the words the formula texts call them.
constexpr Field txt1{"txt1", QT_TRANSLATE_NOOP("Formula", "first number")},
    txt2{"txt2", QT_TRANSLATE_NOOP("Formula", "second number")},
    txt3{"txt3", QT_TRANSLATE_NOOP("Formula", "quotient")};

constexpr Control controls[] = {
    // name       kind       caption                    left  top   width height tab font
    {"Command2", Button,    "Calculate",                3480, 2160, 1335, 495, 4, &MsSansSerif},
    {"Command1", Button,    "Reset",                    1320, 2160, 1335, 495, 5, &MsSansSerif},
    {txt3,       TextField, "",                         3480, 3000, 1695, 375, 0, &MsSansSerif},
    {txt2,       TextField, "",                         3600, 1440, 1695, 375, 3, &MsSansSerif},
    {txt1,       TextField, "",                         3600, 720,  1695, 375, 1, &MsSansSerif},
    {"Label3",   Label,     "The  Quotient is ",        1200, 3000, 1575, 375, 7, &MsSansSerif, nullptr, txt3},
    {"Label2",   Label,     "Enter the second number",  1200, 1440, 2295, 375, 6, &MsSansSerif, nullptr, txt2},
    {"Label1",   Label,     "Enter the first number",   1320, 720,  2055, 375, 2, &MsSansSerif, nullptr, txt1},
};

// Command2_Click, Calculate: the steps in the order they are evaluated.
constexpr auto a = lenient(txt1);
constexpr auto b = lenient(txt2);
constexpr auto quotient = write(txt3, a / b);
constexpr auto Command2_Click = steps(a, b, quotient);

// Command1_Click, Reset: the fields it empties, in order.
constexpr auto Command1_Click = clear(txt1, txt2, txt3);

} // namespace

extern constinit const CalculatorWindow frmdiv = checked({
    .design = {"frmdiv", "", 7200, 4875, nullptr, controls},
    .item = {&Calculation, "mnudiv", "Division"},
    .calculate = {"Command2", Command2_Click},
    .reset = {"Command1", Command1_Click},
});
} // namespace qv::windows
