// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lenient reading of any text: a finite double or an overflow failure, never
// another kind; the same value as strict reading wherever strict reading
// accepts a text without commas; a minus sign in front negates the value.
// A number text, whether the input is one in plain form or one is made from
// the input's bytes, reads as the double MPFR rounds its digits to, or
// overflows where MPFR's rounding does.
#include "check.h"
#include "numbers.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// The value, or nullopt for the one failure lenient reading may give.
std::optional<double> lenient(std::string_view text)
{
    try {
        const double value = qv::readLenient(text);
        QV_CHECK(std::isfinite(value), "readLenient(\"%s\") gave %g", qvfuzz::shown(text).c_str(), value);
        return value;
    } catch (const qv::Failure& failure) {
        QV_CHECK(failure.kind() == qv::FailureKind::Overflow, "readLenient(\"%s\") failed with %s",
                 qvfuzz::shown(text).c_str(), qvfuzz::name(failure.kind()));
        return std::nullopt;
    }
}

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = lenient(text);
    QV_CHECK(lenient(text) == value, "readLenient(\"%s\") is not a function of its text", qvfuzz::shown(text).c_str());

    // Where strict reading (full stop, thousands comma) accepts the text and no
    // comma stands in it, both readings are the same number.
    if (text.find(',') == std::string_view::npos) {
        std::optional<double> strict;
        bool accepted = true;
        try {
            strict = qv::readStrict(text, qv::NumberLocale::fullStop());
        } catch (const qv::Failure& failure) {
            accepted = failure.kind() == qv::FailureKind::Overflow;
        }
        if (accepted)
            QV_CHECK(strict == value, "\"%s\": strict %g, lenient %g", qvfuzz::shown(text).c_str(),
                     strict.value_or(-1), value.value_or(-1));
    }

    // A minus sign before a text that has none of its own negates the value.
    std::size_t first = 0;
    while (first < text.size() && skipped(text[first]))
        ++first;
    if (first == text.size() || (text[first] != '+' && text[first] != '-')) {
        const std::string negated = "-" + std::string(text);
        const std::optional<double> minus = lenient(negated);
        QV_CHECK(minus.has_value() == value.has_value() && (!value || *minus == -*value),
                 "\"-%s\" reads %g, \"%s\" reads %g", qvfuzz::shown(text).c_str(), minus.value_or(-1),
                 qvfuzz::shown(text).c_str(), value.value_or(-1));
    }

    if (const std::optional<qvref::Number> plain = qvref::plainNumber(text))
        QV_CHECK(value == qvref::nearest(*plain), "\"%s\" reads %s, MPFR gives %s", qvfuzz::shown(text).c_str(),
                 qvfuzz::describe(value).c_str(), qvfuzz::describe(qvref::nearest(*plain)).c_str());

    FuzzedDataProvider in(data, size);
    const qvref::Number number = qvfuzz::number(in);
    const std::string made = qvfuzz::lenientText(number, in);
    const std::optional<double> read = lenient(made);
    const std::optional<double> expected = qvref::nearest(number);
    QV_CHECK(read == expected, "\"%s\" reads %s, MPFR gives %s for %s", qvfuzz::shown(made).c_str(),
             qvfuzz::describe(read).c_str(), qvfuzz::describe(expected).c_str(),
             qvfuzz::shown(qvref::plainText(number)).c_str());
    return 0;
}
