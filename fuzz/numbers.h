// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number texts made from fuzz input together with the number they were made
// from, so that a reading can be checked against the reference without taking
// the text apart the way the reader under test does.
#pragma once

#include "check.h"
#include "reference.h"

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace qvfuzz {

// A double for the reference's hard cases: one near an edge of the range or
// of the exactly representable integers, a few steps to either side, or any
// finite one; never negative.
inline double hardDouble(FuzzedDataProvider& in)
{
    static const double edges[] = {0, DBL_TRUE_MIN, DBL_MIN, DBL_MAX, 1, 0x1p53, 1e15, 1e-5, 0x1p1023};
    double d;
    if (in.ConsumeBool()) {
        d = edges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(edges) - 1)];
        for (int steps = in.ConsumeIntegralInRange(-3, 3); steps != 0; steps += steps < 0 ? 1 : -1)
            d = std::nextafter(d, steps < 0 ? 0.0 : DBL_MAX);
    } else {
        const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
        std::memcpy(&d, &bits, sizeof d);
        d = std::isfinite(d) ? std::fabs(d) : DBL_MAX;
    }
    return d;
}

// Digits of a radix in up to four runs of one digit each, a run up to 400
// long: a few bytes reach past either end of the double range. Hexadecimal
// digits come in either case.
inline std::string digitRuns(FuzzedDataProvider& in, int radix)
{
    static const char hex[] = "0123456789abcdefABCDEF";
    const int choices = radix == 16 ? 22 : radix;
    std::string digits;
    for (int runs = in.ConsumeIntegralInRange(0, 4); runs > 0; --runs) {
        const char digit = hex[in.ConsumeIntegralInRange(0, choices - 1)];
        digits.append(in.ConsumeIntegralInRange<std::size_t>(1, 400), digit);
    }
    return digits;
}

// A number of any radix and size: runs of digits, or a number halfway between
// two doubles or a hair to either side of that (the hardest to round).
inline qvref::Number number(FuzzedDataProvider& in)
{
    static const int radixes[] = {10, 10, 16, 8};
    const int radix = radixes[in.ConsumeIntegralInRange(0, 3)];
    qvref::Number n;
    if (in.ConsumeBool()) {
        n = qvref::midpoint(hardDouble(in), in.ConsumeIntegralInRange(-1, 1), radix);
        if (radix == 10) {
            // The same number with the point elsewhere: digits move to the fraction.
            const std::size_t moved = in.ConsumeIntegralInRange<std::size_t>(0, n.integer.size());
            n.fraction = n.integer.substr(n.integer.size() - moved) + n.fraction;
            n.integer.resize(n.integer.size() - moved);
            n.exponent += std::int64_t(moved);
        }
    } else {
        n.radix = radix;
        n.integer = digitRuns(in, radix);
        if (radix == 10) {
            n.fraction = digitRuns(in, 10);
            n.exponent = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int64_t>(-400, 400)
                                          : in.ConsumeIntegralInRange<std::int64_t>(-1'000'000'000'000'000'000,
                                                                                   1'000'000'000'000'000'000);
        }
    }
    n.negative = in.ConsumeBool();
    return n;
}

// A reading's outcome for a failure message: the double exactly, or overflow.
inline std::string describe(const std::optional<double>& value)
{
    if (!value)
        return "overflow";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", *value, *value);
    return buffer;
}

// The sign and the exponent as a text may write them.
inline std::string sign(const qvref::Number& n, FuzzedDataProvider& in)
{
    return n.negative ? "-" : in.ConsumeBool() ? "+" : "";
}

inline std::string exponent(const qvref::Number& n, FuzzedDataProvider& in)
{
    if (n.exponent == 0 && in.ConsumeBool())
        return {};
    static const char letters[] = "EeDd";
    std::string out(1, letters[in.ConsumeIntegralInRange(0, 3)]);
    out += n.exponent < 0 ? "-" : in.ConsumeBool() ? "+" : "";
    out.append(in.ConsumeIntegralInRange<std::size_t>(0, 3), '0');
    const std::string magnitude = std::to_string(n.exponent);
    return out + (n.exponent < 0 ? magnitude.substr(1) : magnitude);
}

// The number as lenient reading meets it: a sign, &H or &O in either case,
// the full stop, spaces, tabs and line feeds anywhere in it, and after it
// something that cannot continue it.
inline std::string lenientText(const qvref::Number& n, FuzzedDataProvider& in)
{
    std::string text = sign(n, in);
    if (n.radix != 10) {
        text += n.radix == 16 ? (in.ConsumeBool() ? "&H" : "&h") : (in.ConsumeBool() ? "&O" : "&o");
        text += n.integer;
    } else {
        text += n.integer;
        if (!n.fraction.empty() || in.ConsumeBool())
            text += "." + n.fraction;
        text += exponent(n, in);
    }
    for (int blanks = in.ConsumeIntegralInRange(0, 3); blanks > 0; --blanks)
        text.insert(in.ConsumeIntegralInRange<std::size_t>(0, text.size()), 1, " \t\n"[in.ConsumeIntegralInRange(0, 2)]);
    // What follows must stop the number: 8 is a decimal and a hexadecimal
    // digit, E a hexadecimal one, and -1 after no digits is a number of its own.
    static const char* const ends[] = {"", "x", ",5", "%", "\r9", "-1", "E", "E+", "8", "g"};
    const std::string_view end = ends[in.ConsumeIntegralInRange(0, 9)];
    const bool continues = (end == "8" && n.radix != 8) || (end.starts_with('E') && n.radix == 16)
                           || (end == "-1" && !n.hasDigits());
    return continues ? text : text + std::string(end);
}

// Whether the locale groups digits with a no-break space (U+00A0) or a narrow
// one (U+202F), for which strict reading takes an ordinary space too.
inline bool groupsWithNoBreakSpace(const qv::NumberLocale& locale)
{
    return locale.thousands == "\u00A0" || locale.thousands == "\u202F";
}

// The number as strict reading meets it in a locale: spaces around, a sign,
// the locale's thousands separator between groups of three integer digits
// (or an ordinary space for a no-break space), its decimal separator.
// zeroGroup tells whether the text groups an integer whose first group
// begins with 0, which is no number.
inline std::string strictText(const qvref::Number& n, const qv::NumberLocale& locale, FuzzedDataProvider& in,
                              bool& zeroGroup)
{
    zeroGroup = false;
    std::string text(in.ConsumeIntegralInRange(0, 2), ' ');
    text += sign(n, in);
    if (n.radix != 10) {
        text += n.radix == 16 ? (in.ConsumeBool() ? "&H" : "&h") : (in.ConsumeBool() ? "&O" : "&o");
        text += n.integer;
    } else {
        const bool grouped = in.ConsumeBool();
        zeroGroup = grouped && n.integer.size() > 3 && n.integer.front() == '0';
        for (std::size_t i = 0; i < n.integer.size(); ++i) {
            if (grouped && i > 0 && (n.integer.size() - i) % 3 == 0)
                text += groupsWithNoBreakSpace(locale) && in.ConsumeBool() ? std::string(" ") : locale.thousands;
            text += n.integer[i];
        }
        if (!n.fraction.empty() || in.ConsumeBool())
            text += locale.decimal + n.fraction;
        text += exponent(n, in);
    }
    return text + std::string(in.ConsumeIntegralInRange(0, 2), ' ');
}

} // namespace qvfuzz
