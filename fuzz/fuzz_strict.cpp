// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Strict reading of any text, in the full-stop and the comma locale: a finite
// double, a conversion failure or an overflow failure, never another kind.
// The two locales mirror each other (swapping '.' and ',' in the text gives
// the same outcome in the other locale), locales with separators of several
// bytes read the same numbers, and spaces around a text change nothing.
// A number text, whether the input is one in plain form or one is made from
// the input's bytes in any of these locales, reads as the double MPFR rounds
// its digits to, or overflows where MPFR's rounding does.
#include "check.h"
#include "numbers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <variant>

namespace {

using Outcome = std::variant<double, qv::FailureKind>;

Outcome strict(std::string_view text, const qv::NumberLocale& locale)
{
    try {
        const double value = qv::readStrict(text, locale);
        QV_CHECK(std::isfinite(value), "readStrict(\"%s\", \"%s\") gave %g", qvfuzz::shown(text).c_str(),
                 locale.decimal.c_str(), value);
        return value;
    } catch (const qv::Failure& failure) {
        QV_CHECK(failure.kind() == qv::FailureKind::Conversion || failure.kind() == qv::FailureKind::Overflow,
                 "readStrict(\"%s\", \"%s\") failed with %s", qvfuzz::shown(text).c_str(), locale.decimal.c_str(),
                 qvfuzz::name(failure.kind()));
        return failure.kind();
    }
}

std::string describe(const Outcome& o)
{
    if (const double* value = std::get_if<double>(&o)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", *value);
        return buffer;
    }
    return qvfuzz::name(std::get<qv::FailureKind>(o));
}

// What MPFR makes of a number's digits: a text without digits is no number.
Outcome reference(const qvref::Number& number)
{
    if (!number.hasDigits())
        return qv::FailureKind::Conversion;
    const std::optional<double> value = qvref::nearest(number);
    return value ? Outcome(*value) : Outcome(qv::FailureKind::Overflow);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::NumberLocale fullStop = qv::NumberLocale::fullStop();
    const qv::NumberLocale comma = qv::NumberLocale::comma();

    const Outcome stop = strict(text, fullStop);
    std::string mirrored(text);
    for (char& c : mirrored)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    const Outcome mirror = strict(mirrored, comma);
    QV_CHECK(stop == mirror, "\"%s\" in the full-stop locale: %s; \"%s\" in the comma locale: %s",
             qvfuzz::shown(text).c_str(), describe(stop).c_str(), qvfuzz::shown(mirrored).c_str(),
             describe(mirror).c_str());

    // Locales with separators of more than one byte read an ASCII text the
    // same way once its separators are written in theirs.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        for (const qv::NumberLocale& locale : qvfuzz::wideLocales()) {
            std::string written;
            for (char c : text)
                written += c == '.' ? locale.decimal : c == ',' ? locale.thousands : std::string(1, c);
            const Outcome wide = strict(written, locale);
            QV_CHECK(stop == wide, "\"%s\" in the full-stop locale: %s; \"%s\": %s", qvfuzz::shown(text).c_str(),
                     describe(stop).c_str(), qvfuzz::shown(written).c_str(), describe(wide).c_str());
        }
    }

    const std::string spaced = "  " + std::string(text) + " ";
    const Outcome padded = strict(spaced, fullStop);
    QV_CHECK(padded == stop, "\"%s\": %s, with spaces around: %s", qvfuzz::shown(text).c_str(),
             describe(stop).c_str(), describe(padded).c_str());

    if (const std::optional<qvref::Number> plain = qvref::plainNumber(text))
        QV_CHECK(stop == reference(*plain), "\"%s\" reads %s, MPFR gives %s", qvfuzz::shown(text).c_str(),
                 describe(stop).c_str(), describe(reference(*plain)).c_str());

    FuzzedDataProvider in(data, size);
    const qvref::Number number = qvfuzz::number(in);
    const std::size_t which = in.ConsumeIntegralInRange<std::size_t>(0, 1 + qvfuzz::wideLocales().size());
    const qv::NumberLocale& locale = which == 0 ? fullStop : which == 1 ? comma : qvfuzz::wideLocales()[which - 2];
    const std::string made = qvfuzz::strictText(number, locale, in);
    const Outcome read = strict(made, locale);
    QV_CHECK(read == reference(number), "\"%s\" reads %s, MPFR gives %s for %s", qvfuzz::shown(made).c_str(),
             describe(read).c_str(), describe(reference(number)).c_str(),
             qvfuzz::shown(qvref::plainText(number)).c_str());
    return 0;
}
