// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The separators that a user's locale gives to numbers in fields.
#pragma once

#include <string>

namespace qv {

// The decimal and thousands separators, each as UTF-8 text (a separator may be
// more than one byte, for example the narrow no-break space some locales group
// digits with; the strict reading takes an ordinary space for a no-break one).
// Number reading and display take one of these as a parameter; nothing here
// reads the process locale.
struct NumberLocale {
    std::string decimal = ".";
    std::string thousands = ",";

    static NumberLocale fullStop() { return {".", ","}; }
    static NumberLocale comma() { return {",", "."}; }
};

} // namespace qv
