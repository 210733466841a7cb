// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Strict reading of any text, in the full-stop and the comma locale: a finite
// double, a conversion failure or an overflow failure, never another kind.
// The two locales mirror each other (swapping '.' and ',' in the text gives
// the same outcome in the other locale), locales with separators of several
// bytes read the same numbers (where the locale groups with a no-break space,
// an ordinary space between groups too), spaces around a text change nothing,
// and no grouped number has a first group beginning with 0.
// Its lenient form, where there is one, reads leniently as the text reads
// strictly, to the bit; only a number too small for a double is said to be;
// and only a text that is no number reads under the other convention.
// A number text, whether the input is one in plain form or one is made from
// the input's bytes in any of these locales, reads as the double MPFR rounds
// its digits to, or overflows where MPFR's rounding does; grouped with a
// first group beginning with 0, it is no number; and it is too small for a
// double where MPFR's double is 0 or a subnormal without its own 15 digits.
#include "check.h"
#include "numbers.h"

#include <algorithm>
#include <bit>
#include <cfloat>
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

bool same(const Outcome& a, const Outcome& b)
{
    const double* x = std::get_if<double>(&a);
    const double* y = std::get_if<double>(&b);
    return x && y ? std::bit_cast<std::uint64_t>(*x) == std::bit_cast<std::uint64_t>(*y) : a == b;
}

Outcome lenient(std::string_view text)
{
    try {
        return qv::readLenient(text);
    } catch (const qv::Failure& failure) {
        return failure.kind();
    }
}

// What the other functions of the strict reading say of a text, against its
// outcome: the lenient form reads the same, to the bit, and there is one
// exactly where the text is a number; a number too small reads as 0 or a
// subnormal; a text under the other convention is no number here.
void checkNotes(std::string_view text, const qv::NumberLocale& locale, const Outcome& outcome)
{
    const std::optional<std::string> form = qv::lenientForm(text, locale);
    const bool number = !same(outcome, qv::FailureKind::Conversion);
    QV_CHECK(form.has_value() == number, "\"%s\" (\"%s\") reads %s, its lenient form is %s",
             qvfuzz::shown(text).c_str(), locale.decimal.c_str(), describe(outcome).c_str(),
             form ? qvfuzz::shown(*form).c_str() : "none");
    if (form)
        QV_CHECK(same(lenient(*form), outcome), "\"%s\" (\"%s\") reads %s, its lenient form \"%s\" %s",
                 qvfuzz::shown(text).c_str(), locale.decimal.c_str(), describe(outcome).c_str(),
                 qvfuzz::shown(*form).c_str(), describe(lenient(*form)).c_str());
    if (qv::tooSmall(text, locale)) {
        const double* value = std::get_if<double>(&outcome);
        QV_CHECK(value && std::fabs(*value) < DBL_MIN, "\"%s\" reads %s, said to be too small",
                 qvfuzz::shown(text).c_str(), describe(outcome).c_str());
    }
    if (qv::readsUnderOtherConvention(text, locale))
        QV_CHECK(!number, "\"%s\" reads %s, said to read under the other convention only",
                 qvfuzz::shown(text).c_str(), describe(outcome).c_str());
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
    // same way once its separators are written in theirs. Where the locale
    // groups with a no-break space, an ordinary space inside the text reads
    // as the full-stop locale reads a comma there.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        const std::size_t first = text.find_first_not_of(' ');
        const std::size_t last = text.find_last_not_of(' ');
        std::string spacesAsCommas(text);
        for (std::size_t i = first; first != std::string_view::npos && i < last; ++i)
            if (spacesAsCommas[i] == ' ')
                spacesAsCommas[i] = ',';
        const Outcome spaceGrouped = strict(spacesAsCommas, fullStop);
        for (const qv::NumberLocale& locale : qvfuzz::wideLocales()) {
            std::string written;
            for (char c : text)
                written += c == '.' ? locale.decimal : c == ',' ? locale.thousands : std::string(1, c);
            const Outcome wide = strict(written, locale);
            const Outcome& expected = qvfuzz::groupsWithNoBreakSpace(locale) ? spaceGrouped : stop;
            QV_CHECK(expected == wide, "\"%s\" in the full-stop locale: %s; \"%s\": %s", qvfuzz::shown(text).c_str(),
                     describe(expected).c_str(), qvfuzz::shown(written).c_str(), describe(wide).c_str());
            checkNotes(written, locale, wide);
        }
    }

    // A grouped number's first group does not begin with 0: in the full-stop
    // locale, a number with a comma has a first digit other than 0.
    if (!std::holds_alternative<qv::FailureKind>(stop) || std::get<qv::FailureKind>(stop) == qv::FailureKind::Overflow) {
        const std::size_t digit = text.find_first_of("0123456789");
        QV_CHECK(text.find(',') == std::string_view::npos || text.find('&') != std::string_view::npos
                     || text[digit] != '0',
                 "\"%s\" reads %s, grouped with a first group beginning with 0", qvfuzz::shown(text).c_str(),
                 describe(stop).c_str());
    }

    checkNotes(text, fullStop, stop);
    checkNotes(mirrored, comma, mirror);

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
    bool zeroGroup = false;
    const std::string made = qvfuzz::strictText(number, locale, in, zeroGroup);
    const Outcome read = strict(made, locale);
    const Outcome expected = zeroGroup ? Outcome(qv::FailureKind::Conversion) : reference(number);
    QV_CHECK(read == expected, "\"%s\" reads %s, expected %s for %s", qvfuzz::shown(made).c_str(),
             describe(read).c_str(), describe(expected).c_str(), qvfuzz::shown(qvref::plainText(number)).c_str());
    checkNotes(made, locale, read);
    const double* value = std::get_if<double>(&read);
    const bool small = value && number.radix == 10 && std::fabs(*value) < DBL_MIN
                       && qvref::display(*value) != qvref::display(number);
    QV_CHECK(qv::tooSmall(made, locale) == small, "\"%s\" reads %s, too small: %d", qvfuzz::shown(made).c_str(),
             describe(read).c_str(), int(!small));
    return 0;
}
