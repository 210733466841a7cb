// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The nineteen calculator windows. Each unit declares one window whole: its
// design table, its menu item, and its Calculate and Reset buttons,
// Calculate with its formulas written step by step in the order they are
// evaluated, because the last digit depends on that order.
#pragma once

#include "calculatorwindow.h"

#include <span>

namespace qv::windows {

using namespace qv::formula;

inline constexpr Menu Calculation{"mnucal", "Calculation"};
inline constexpr Menu Area{"mnuarea", "Area"};
inline constexpr Menu Volume{"mnuvol", "Volume"};

// Every calculator window, in the order of the menus and their items.
std::span<const CalculatorWindow* const> all();

} // namespace qv::windows
