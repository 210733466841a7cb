// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failure.h"

#include "numbertext.h"
#include "words.h"

#include <string>
#include <utility>

namespace qv {

Failure::Failure(Cause cause, std::string field)
    : std::runtime_error(std::string(heading(kindOf(cause)))), cause_(cause), field_(std::move(field))
{
}

Failure::Failure(Cause cause, Operation operation, double left, double right)
    : std::runtime_error(std::string(heading(kindOf(cause)))), cause_(cause), operation_(operation), left_(left),
      right_(right)
{
}

std::string_view name(FailureKind kind) noexcept
{
    switch (kind) {
    case FailureKind::Conversion:
        return "conversion";
    case FailureKind::DivisionByZero:
        return "division by zero";
    case FailureKind::Overflow:
        return "overflow";
    case FailureKind::InvalidArgument:
        return "invalid argument";
    }
    return "failure";
}

const char* heading(FailureKind kind) noexcept
{
    switch (kind) {
    case FailureKind::Conversion:
        return QT_TRANSLATE_NOOP("Failure", "Conversion failure");
    case FailureKind::DivisionByZero:
        return QT_TRANSLATE_NOOP("Failure", "Division by zero");
    case FailureKind::Overflow:
        return QT_TRANSLATE_NOOP("Failure", "Overflow");
    case FailureKind::InvalidArgument:
        return QT_TRANSLATE_NOOP("Failure", "Invalid argument");
    }
    return QT_TRANSLATE_NOOP("Failure", "Calculation failure");
}

namespace {

// What failed to be read, the field named (or hidden, or none).
std::string unread(const Failure& f, const FailurePlace& place, const NumberLocale& locale, const Translate& t)
{
    const bool named = !place.name.empty();
    if (f.cause() == Cause::NumberTooLarge) {
        if (!named)
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "the number in a field is too large for the calculator"));
        return words(t, "Failure",
                     place.hidden ? QT_TRANSLATE_NOOP("Failure", "the number in the field \u201c%1\u201d, which is hidden, "
                                                                 "is too large for the calculator")
                                  : QT_TRANSLATE_NOOP("Failure",
                                                      "the number in the field \u201c%1\u201d is too large for the calculator"),
                     {place.name});
    }
    if (named && !place.text.empty() && readsUnderOtherConvention(place.text, locale))
        return words(t, "Failure",
                     QT_TRANSLATE_NOOP("Failure", "the field \u201c%1\u201d holds %2, which is not a number here: the "
                                                  "decimal separator is \u201c%3\u201d"),
                     {place.name, place.text, locale.decimal});
    if (!named)
        return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "a field is empty or holds text that is not a number"));
    return words(t, "Failure",
                 place.hidden ? QT_TRANSLATE_NOOP("Failure", "the field \u201c%1\u201d, which is hidden, is empty or holds "
                                                             "text that is not a number")
                              : QT_TRANSLATE_NOOP("Failure",
                                                  "the field \u201c%1\u201d is empty or holds text that is not a number"),
                 {place.name});
}

// What happened in the arithmetic, with the numbers it happened to.
std::string happened(const Failure& f, const NumberLocale& locale, const Translate& t)
{
    const std::string a = displayText(f.left(), locale);
    const std::string b = displayText(f.right(), locale);
    switch (f.cause()) {
    case Cause::TooLarge:
        switch (f.operation()) {
        case Operation::Add:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 + %2 is too large for the calculator"), {a, b});
        case Operation::Subtract:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 \u2212 %2 is too large for the calculator"), {a, b});
        case Operation::Multiply:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 \u00d7 %2 is too large for the calculator"), {a, b});
        case Operation::Divide:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 \u00f7 %2 is too large for the calculator"), {a, b});
        case Operation::Power:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 to the power %2 is too large for the calculator"),
                         {a, b});
        case Operation::Factorial:
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "the factorial of %1 is too large for the calculator"),
                         {a});
        }
        break;
    case Cause::NoValue:
        return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 \u00f7 %2 has no value"), {a, b});
    case Cause::DividedByZero:
        return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 cannot be divided by 0"), {a});
    case Cause::ZeroToNegativePower:
        return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 to the negative power %2 has no value"), {a, b});
    case Cause::NegativeToFractionalPower:
        // A root is a power of 1 / 2 or 1 / 3: said as the root it is.
        if (f.right() == 1.0 / 2.0)
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "the square root of %1 has no real value"), {a});
        if (f.right() == 1.0 / 3.0)
            return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "the cube root of %1 has no real value"), {a});
        return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "%1 to the fractional power %2 has no real value"), {a, b});
    case Cause::NotANumber:
    case Cause::NumberTooLarge:
        break;
    }
    return words(t, "Failure", QT_TRANSLATE_NOOP("Failure", "the calculation failed"));
}

} // namespace

std::string describe(const Failure& failure, const NumberLocale& locale, const FailurePlace& place,
                     const Translate& translate)
{
    const std::string kind = words(translate, "Failure", heading(failure.kind()));
    std::string what = place.because;
    if (what.empty())
        what = failure.reading() ? unread(failure, place, locale, translate) : happened(failure, locale, translate);
    // A failure to read names its field within the sentence; one in the
    // arithmetic names the result it was computing after it.
    if (failure.reading() || place.name.empty())
        return words(translate, "Failure", QT_TRANSLATE_NOOP("Failure", "%1: %2."), {kind, what});
    return words(translate, "Failure",
                 place.hidden ? QT_TRANSLATE_NOOP("Failure", "%1: %2 (computing \u201c%3\u201d, which is hidden).")
                              : QT_TRANSLATE_NOOP("Failure", "%1: %2 (computing \u201c%3\u201d)."),
                 {kind, what, place.name});
}

} // namespace qv
