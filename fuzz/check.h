// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzz targets share: a property check that stops the run with the
// input saved, and the facts about numbers that several targets rely on.
#pragma once

#include "failure.h"
#include "fieldvalue.h"
#include "numbertext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// A broken property: libFuzzer treats the abort as a crash and keeps the input.
#define QV_CHECK(condition, ...)                                                                     \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            std::fprintf(stderr, "broken property: %s\n  ", #condition);                            \
            std::fprintf(stderr, __VA_ARGS__);                                                      \
            std::fprintf(stderr, "\n");                                                             \
            std::abort();                                                                           \
        }                                                                                           \
    } while (false)

namespace qvfuzz {

inline const char* name(qv::FailureKind kind) { return qv::name(kind).data(); }

// The double rounded to 15 significant digits, by the C library's own rounding.
inline double roundedTo15(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

// Significant digits of a display text: its digits before any exponent,
// leading zeros left out.
inline int significantDigits(std::string_view text)
{
    int count = 0;
    bool started = false;
    for (char c : text) {
        if (c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (c != '0')
            started = true;
        if (started)
            ++count;
    }
    return count;
}

// Real locales whose separators take more than one byte in UTF-8: French
// (comma, narrow no-break space), Swiss German (full stop, right single
// quotation mark), Arabic (Arabic decimal and thousands separators).
inline const std::vector<qv::NumberLocale>& wideLocales()
{
    static const std::vector<qv::NumberLocale> locales{
        {",", "\u202F"}, {".", "\u2019"}, {"\u066B", "\u066C"}};
    return locales;
}

// Printable form of an input for a failure message (at most 200 characters).
inline std::string shown(std::string_view text)
{
    std::string out;
    for (char c : text.substr(0, 200)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f) {
            out.push_back(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            out += hex;
        }
    }
    if (text.size() > 200)
        out += "...";
    return out;
}

// A field value as a formula meets one, of any kind: a double is always
// finite (every double result is checked), often a small number in eighths
// (up to 250, past the factorial's 171), and text carries one of the two
// locales.
inline qv::FieldValue operand(FuzzedDataProvider& in)
{
    using qv::FieldValue;
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return {};
    case 1:
        return FieldValue(int(in.ConsumeIntegral<std::int16_t>()));
    case 2:
        return FieldValue::integer32(in.ConsumeIntegral<std::int32_t>());
    case 3: {
        const double d = in.ConsumeBool() ? double(in.ConsumeIntegralInRange(-2000, 2000)) / 8
                                          : in.ConsumeFloatingPoint<double>();
        return FieldValue(std::isfinite(d) ? d : 0.0);
    }
    default: {
        const bool comma = in.ConsumeBool();
        std::string text = in.ConsumeRandomLengthString(40);
        return FieldValue::text(std::move(text), comma ? qv::NumberLocale::comma() : qv::NumberLocale::fullStop());
    }
    }
}

} // namespace qvfuzz
