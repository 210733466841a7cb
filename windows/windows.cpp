// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows.h"

namespace qv::windows {

extern const CalculatorWindow frmdiv, frmsqroot, frmcroot, frmsquare, frmrect, frmtri, frmcir, frmdia, frmcube, frmcyl,
    frmsph, frmhemi, frmcone, frmvcube, frmvroom, frmvcone, frmvcyl, frmvsph, frmvhemi;

std::span<const CalculatorWindow* const> all()
{
    static const CalculatorWindow* const windows[] = {
        &frmdiv,    &frmsqroot, &frmcroot,                                                    // Calculation
        &frmsquare, &frmrect,   &frmtri,   &frmcir,   &frmdia, &frmcube, &frmcyl, &frmsph, &frmhemi, &frmcone, // Area
        &frmvcube,  &frmvroom,  &frmvcone, &frmvcyl,  &frmvsph, &frmvhemi,                    // Volume
    };
    return windows;
}

} // namespace qv::windows
