// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failure.h"

#include "numbertext.h"

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

std::string_view heading(FailureKind kind) noexcept
{
    switch (kind) {
    case FailureKind::Conversion:
        return "Conversion failure";
    case FailureKind::DivisionByZero:
        return "Division by zero";
    case FailureKind::Overflow:
        return "Overflow";
    case FailureKind::InvalidArgument:
        return "Invalid argument";
    }
    return "Calculation failure";
}

namespace {

// The step as the user would write it: 1E+200 × 1E+200, 10 to the power 400.
std::string step(const Failure& f, const NumberLocale& locale)
{
    const std::string a = displayText(f.left(), locale);
    const std::string b = displayText(f.right(), locale);
    switch (f.operation()) {
    case Operation::Add:
        return a + " + " + b;
    case Operation::Subtract:
        return a + " \u2212 " + b;
    case Operation::Multiply:
        return a + " \u00d7 " + b;
    case Operation::Divide:
        return a + " \u00f7 " + b;
    case Operation::Power:
        return a + " to the power " + b;
    case Operation::Factorial:
        return "the factorial of " + a;
    }
    return a + ", " + b;
}

// What happened, without the heading and the place.
std::string happened(const Failure& f, const NumberLocale& locale, const std::string& field)
{
    switch (f.cause()) {
    case Cause::NotANumber:
        return field + " is empty or holds text that is not a number";
    case Cause::NumberTooLarge:
        return "the number in " + field + " is too large for the calculator";
    case Cause::TooLarge:
        return step(f, locale) + " is too large for the calculator";
    case Cause::NoValue:
        return step(f, locale) + " has no value";
    case Cause::DividedByZero:
        return displayText(f.left(), locale) + " cannot be divided by 0";
    case Cause::ZeroToNegativePower:
        return displayText(f.left(), locale) + " to the negative power " + displayText(f.right(), locale)
               + " has no value";
    case Cause::NegativeToFractionalPower:
        // A root is a power of 1 / 2 or 1 / 3: said as the root it is.
        if (f.operation() == Operation::Power && f.right() == 1.0 / 2.0)
            return "the square root of " + displayText(f.left(), locale) + " has no real value";
        if (f.operation() == Operation::Power && f.right() == 1.0 / 3.0)
            return "the cube root of " + displayText(f.left(), locale) + " has no real value";
        return displayText(f.left(), locale) + " to the fractional power " + displayText(f.right(), locale)
               + " has no real value";
    }
    return "the calculation failed";
}

} // namespace

std::string describe(const Failure& failure, const NumberLocale& locale, const FailurePlace& place)
{
    const std::string quoted = "\u201c" + place.name + "\u201d";
    std::string words = std::string(heading(failure.kind())) + ": ";
    if (failure.reading()) {
        // The field read is named within the sentence.
        std::string field = place.name.empty() ? std::string("a field") : "the field " + quoted;
        if (!place.name.empty() && place.hidden)
            field += ", which is hidden,";
        if (failure.cause() == Cause::NotANumber && place.because.empty() && !place.text.empty()
            && readsUnderOtherConvention(place.text, locale))
            return words + field + " holds " + place.text + ", which is not a number here: the decimal separator is \u201c"
                   + locale.decimal + "\u201d.";
        words += place.because.empty() ? happened(failure, locale, field) : place.because;
    } else {
        words += place.because.empty() ? happened(failure, locale, {}) : place.because;
        if (!place.name.empty())
            words += " (computing " + quoted + (place.hidden ? ", which is hidden)" : ")");
    }
    return words + ".";
}

} // namespace qv
