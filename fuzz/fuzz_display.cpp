// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number display text of any finite double: at most 15 significant digits,
// the written form of its rule (positional or scientific, no trailing zeros,
// the locale's separator), and strict reading gives back the double rounded
// to 15 digits; where that rounding lies beyond the double range (the
// largest doubles) strict reading fails with an overflow. The text is the one
// MPFR's rounding of the exact binary value to 15 digits gives, ties to even.
// Each input is two doubles: its eight bytes as one, and as an integer below
// 2^53 scaled by a power of two from 2^0 to 2^-15, where the 16th digit is
// often exactly 5 (a tie at 15 digits).
#include "check.h"
#include "reference.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The text has the form -?D+(S D+)?(E[+-]DD+)? with S the locale's separator,
// no trailing zero in the fraction and, in scientific form, one leading digit.
bool wellFormed(std::string_view t, char separator)
{
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    const std::size_t intStart = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && t[intStart] == '0'))
        return false;
    if (i < t.size() && t[i] == separator) {
        ++i;
        const std::size_t fracStart = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        if (i == fracStart || t[i - 1] == '0')
            return false;
    }
    if (i < t.size() && t[i] == 'E') {
        if (intDigits != 1 || t[intStart] == '0')
            return false;
        ++i;
        if (i >= t.size() || (t[i] != '+' && t[i] != '-'))
            return false;
        ++i;
        const std::size_t expStart = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        if (i - expStart < 2)
            return false;
    }
    return i == t.size();
}

void check(double value)
{
    const std::string stop = qv::displayText(value, qv::NumberLocale::fullStop());
    const std::string comma = qv::displayText(value, qv::NumberLocale::comma());
    QV_CHECK(qvfuzz::significantDigits(stop) <= 15, "%.17g shows as %s", value, stop.c_str());
    QV_CHECK(wellFormed(stop, '.'), "%.17g shows as %s", value, stop.c_str());
    const std::string reference = qvref::display(value);
    QV_CHECK(stop == reference, "%.17g (%a) shows as %s, MPFR gives %s", value, value, stop.c_str(),
             reference.c_str());
    std::string swapped = stop;
    for (char& c : swapped)
        if (c == '.')
            c = ',';
    QV_CHECK(comma == swapped, "%.17g shows as %s with a full stop but %s with a comma", value, stop.c_str(),
             comma.c_str());
    QV_CHECK(qv::FieldValue(value).display(qv::NumberLocale::fullStop()) == stop, "%.17g: field value display",
             value);

    // Positional exactly when the rounded value's decimal exponent e has -5 < e < 15.
    const double rounded = qvfuzz::roundedTo15(value);
    if (value != 0 && std::isfinite(rounded)) {
        char sci[64];
        std::snprintf(sci, sizeof sci, "%.14e", value);
        const int e = std::atoi(std::strchr(sci, 'e') + 1);
        const bool positional = stop.find('E') == std::string::npos;
        QV_CHECK(positional == (e > -5 && e < 15), "%.17g (exponent %d) shows as %s", value, e, stop.c_str());
    }

    std::vector<std::pair<std::string, qv::NumberLocale>> shown{{stop, qv::NumberLocale::fullStop()},
                                                                {comma, qv::NumberLocale::comma()}};
    for (const qv::NumberLocale& locale : qvfuzz::wideLocales()) {
        std::string expected;
        for (char c : stop)
            expected += c == '.' ? locale.decimal : std::string(1, c);
        const std::string text = qv::displayText(value, locale);
        QV_CHECK(text == expected, "%.17g shows as %s, with the separator %s as %s", value, stop.c_str(),
                 locale.decimal.c_str(), text.c_str());
        shown.emplace_back(text, locale);
    }
    for (const auto& [text, locale] : shown) {
        try {
            const double back = qv::readStrict(text, locale);
            QV_CHECK(back == rounded, "%.17g shows as %s, which reads back as %.17g, not %.17g", value, text.c_str(),
                     back, rounded);
        } catch (const qv::Failure& failure) {
            QV_CHECK(failure.kind() == qv::FailureKind::Overflow && !std::isfinite(rounded),
                     "%.17g shows as %s, which fails to read back with %s", value, text.c_str(),
                     qvfuzz::name(failure.kind()));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value;
    std::uint64_t bits;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&bits, data, sizeof bits);
    if (std::isfinite(value))
        check(value);
    const double scaled = std::ldexp(double(bits & ((std::uint64_t(1) << 53) - 1)), -int(bits >> 60));
    check((bits >> 59) & 1 ? -scaled : scaled);
    return 0;
}
