// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lenient reading of any text: a finite double or an overflow failure, never
// another kind; the same value as strict reading wherever strict reading
// accepts a text without commas; a minus sign in front negates the value.
// The noted reading gives the same value, and the number lies wholly in the
// bytes it says it took.
// A number text, whether the input is one in plain form or one is made from
// the input's bytes, reads as the double MPFR rounds its digits to, or
// overflows where MPFR's rounding does; the noted reading says it stopped
// early where a comma and a digit follow it, and that it is too small for a
// double where MPFR's double is 0 or a subnormal without the number's own
// 15 digits.
#include "check.h"
#include "numbers.h"

#include <bit>
#include <cfloat>
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

// The noted reading, or nullopt where it overflows; its value and readLenient's
// are the same to the bit.
std::optional<qv::LenientReading> noted(std::string_view text, const qv::NumberLocale& locale,
                                        const std::optional<double>& value)
{
    std::optional<qv::LenientReading> reading;
    try {
        reading = qv::readLenientNoted(text, locale);
    } catch (const qv::Failure& failure) {
        QV_CHECK(failure.kind() == qv::FailureKind::Overflow, "readLenientNoted(\"%s\") failed with %s",
                 qvfuzz::shown(text).c_str(), qvfuzz::name(failure.kind()));
    }
    QV_CHECK(reading.has_value() == value.has_value()
                 && (!value || std::bit_cast<std::uint64_t>(reading->value) == std::bit_cast<std::uint64_t>(*value)),
             "\"%s\": readLenientNoted %s, readLenient %s", qvfuzz::shown(text).c_str(),
             qvfuzz::describe(reading ? std::optional(reading->value) : std::nullopt).c_str(),
             qvfuzz::describe(value).c_str());
    return reading;
}

const qv::NumberLocale& someLocale(FuzzedDataProvider& in)
{
    static const qv::NumberLocale locales[] = {qv::NumberLocale::fullStop(), qv::NumberLocale::comma(),
                                               qvfuzz::wideLocales()[0]};
    return locales[in.ConsumeIntegralInRange(0, 2)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = lenient(text);
    QV_CHECK(lenient(text) == value, "readLenient(\"%s\") is not a function of its text", qvfuzz::shown(text).c_str());

    // The number lies wholly in the bytes the noted reading says it took.
    if (const std::optional<qv::LenientReading> reading = noted(text, qv::NumberLocale::fullStop(), value)) {
        QV_CHECK(reading->end <= text.size(), "\"%s\": the number took %zu bytes", qvfuzz::shown(text).c_str(),
                 reading->end);
        const std::optional<double> taken = lenient(text.substr(0, reading->end));
        QV_CHECK(taken && std::bit_cast<std::uint64_t>(*taken) == std::bit_cast<std::uint64_t>(*value),
                 "\"%s\" reads %s, its first %zu bytes %s", qvfuzz::shown(text).c_str(),
                 qvfuzz::describe(value).c_str(), reading->end, qvfuzz::describe(taken).c_str());
    }

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
    const qv::NumberLocale& locale = someLocale(in);
    const std::string made = qvfuzz::lenientText(number, in);
    const std::optional<double> read = lenient(made);
    const std::optional<double> expected = qvref::nearest(number);
    QV_CHECK(read == expected, "\"%s\" reads %s, MPFR gives %s for %s", qvfuzz::shown(made).c_str(),
             qvfuzz::describe(read).c_str(), qvfuzz::describe(expected).c_str(),
             qvfuzz::shown(qvref::plainText(number)).c_str());
    const std::optional<qv::LenientReading> reading = noted(made, locale, read);
    if (reading && number.hasDigits()) {
        // Of the ends lenientText puts after a number, only ",5" goes on as a number would.
        const bool stopped = made.ends_with(",5");
        const bool small = !stopped && number.radix == 10 && std::fabs(*expected) < DBL_MIN
                           && qvref::display(*expected) != qvref::display(number);
        const qv::Misreading misreading = stopped ? qv::Misreading::StoppedEarly
                                          : small ? qv::Misreading::TooSmall
                                                  : qv::Misreading::None;
        QV_CHECK(reading->misreading == misreading, "\"%s\" (%s) noted %d, not %d", qvfuzz::shown(made).c_str(),
                 qvfuzz::shown(qvref::plainText(number)).c_str(), int(reading->misreading), int(misreading));
    }
    return 0;
}
