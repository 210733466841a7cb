// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four ways a calculation can fail, each with its cause and the numbers
// it failed on, and the words that tell the user what happened.
#pragma once

#include "numberlocale.h"
#include "words.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

enum class FailureKind {
    Conversion,      // text that strict number coercion cannot read
    DivisionByZero,  // a non-zero number divided by zero
    Overflow,        // a result beyond the double range, or 0 / 0
    InvalidArgument, // a power with no real value: negative base, fractional exponent
};

inline constexpr FailureKind allFailureKinds[] = {FailureKind::Conversion, FailureKind::DivisionByZero,
                                                   FailureKind::Overflow, FailureKind::InvalidArgument};

// What went wrong, more closely than the kind says.
enum class Cause {
    NotANumber,                // conversion: a text that is not wholly a number, or is empty
    NumberTooLarge,            // overflow: a number text beyond the double range
    TooLarge,                  // overflow: a result beyond the double range
    NoValue,                   // overflow: 0 / 0
    DividedByZero,             // division by zero: a number other than 0 divided by 0
    ZeroToNegativePower,       // division by zero: 0 to a negative power
    NegativeToFractionalPower, // invalid argument: a negative number to a fractional power
};

// The kind each cause is reported as.
constexpr FailureKind kindOf(Cause cause) noexcept
{
    switch (cause) {
    case Cause::NotANumber:
        return FailureKind::Conversion;
    case Cause::DividedByZero:
    case Cause::ZeroToNegativePower:
        return FailureKind::DivisionByZero;
    case Cause::NegativeToFractionalPower:
        return FailureKind::InvalidArgument;
    case Cause::NumberTooLarge:
    case Cause::TooLarge:
    case Cause::NoValue:
        break;
    }
    return FailureKind::Overflow;
}

// The operator a failed step applied, to its left and right operand.
enum class Operation {
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Factorial, // the factorial of left (right unused)
};

// Thrown by the operation that fails; a formula is written as straight-line
// steps and stops at the step that throws. The window frame catches it.
class Failure : public std::runtime_error {
public:
    // A text that could not be read (NotANumber, NumberTooLarge). field: the
    // field it came from, or empty where the text came from no field.
    explicit Failure(Cause cause, std::string field = {});
    // A step of arithmetic that failed: left operation right.
    Failure(Cause cause, Operation operation, double left, double right);

    FailureKind kind() const noexcept { return kindOf(cause_); }
    Cause cause() const noexcept { return cause_; }
    // Whether it failed reading a text, not in arithmetic.
    bool reading() const noexcept { return cause_ == Cause::NotANumber || cause_ == Cause::NumberTooLarge; }
    // The field whose text could not be read; empty for arithmetic.
    const std::string& field() const noexcept { return field_; }
    // The failed step, for arithmetic (meaningless for a reading).
    Operation operation() const noexcept { return operation_; }
    double left() const noexcept { return left_; }
    double right() const noexcept { return right_; }

    // The same failure to read, now known to come from the field.
    Failure from(std::string field) const { return Failure(cause_, std::move(field)); }

private:
    Cause cause_;
    std::string field_;
    Operation operation_ = Operation::Add;
    double left_ = 0;
    double right_ = 0;
};

// The kind's short name, in lower case.
//   name(FailureKind::DivisionByZero) == "division by zero"
std::string_view name(FailureKind kind) noexcept;

// The first words of every message of the kind, in English (a pattern to
// translate, see words.h).
//   heading(FailureKind::Conversion) == "Conversion failure"
const char* heading(FailureKind kind) noexcept;

// What the message names besides the failure: the field whose text could not
// be read, or the result the formula was computing, as the user knows it.
struct FailurePlace {
    std::string name;    // empty: no field is named
    bool hidden = false; // the field is out of sight (its row of the panel not ticked)
    // The window's own words for what happened, in place of the arithmetic's
    // (the triangle knows that a negative number under its root means sides
    // that make no triangle); empty: the arithmetic's.
    std::string because;
    // The text of the field that could not be read: where it would be a
    // number with the other decimal separator, the message names the
    // locale's. Empty: not said.
    std::string text;
};

// The failure in plain words, for the message box the user sees: the kind's
// heading, what happened with the numbers it happened to (shown by the
// display rule in the locale), and the place.
//   describe(Failure(Cause::NotANumber, "txt1"), fullStop, {"Length"})
//     == "Conversion failure: the field “Length” is empty or holds text that is not a number."
//   describe(Failure(Cause::NumberTooLarge, "txt2"), fullStop, {"Breadth"})
//     == "Overflow: the number in the field “Breadth” is too large for the calculator."
//   describe(Failure(Cause::TooLarge, Operation::Multiply, 1e200, 1e200), fullStop, {"Area"})
//     == "Overflow: 1E+200 × 1E+200 is too large for the calculator (computing “Area”)."
//   describe(Failure(Cause::TooLarge, Operation::Add, 1e308, 1e308), fullStop, {"Addition: answer", true})
//     == "Overflow: 1E+308 + 1E+308 is too large for the calculator (computing “Addition: answer”, which is hidden)."
//   describe(Failure(Cause::TooLarge, Operation::Power, 10, 400), fullStop)
//     == "Overflow: 10 to the power 400 is too large for the calculator."
//   describe(Failure(Cause::TooLarge, Operation::Factorial, 1e10, 0), fullStop)
//     == "Overflow: the factorial of 10000000000 is too large for the calculator."
//   describe(Failure(Cause::NoValue, Operation::Divide, 0, 0), fullStop)
//     == "Overflow: 0 ÷ 0 has no value."
//   describe(Failure(Cause::DividedByZero, Operation::Divide, 1.5, 0), comma)
//     == "Division by zero: 1,5 cannot be divided by 0."
//   describe(Failure(Cause::ZeroToNegativePower, Operation::Power, 0, -1), fullStop)
//     == "Division by zero: 0 to the negative power -1 has no value."
//   describe(Failure(Cause::NegativeToFractionalPower, Operation::Power, -8, 0.25), fullStop)
//     == "Invalid argument: -8 to the fractional power 0.25 has no real value."
//   describe(Failure(Cause::NegativeToFractionalPower, Operation::Power, -4, 0.5), fullStop)
//     == "Invalid argument: the square root of -4 has no real value."
//   describe(Failure(Cause::NegativeToFractionalPower, Operation::Power, -8, 1.0 / 3.0), fullStop)
//     == "Invalid argument: the cube root of -8 has no real value."
//   describe(Failure(Cause::NotANumber, "txt1"), comma, {"Length", false, "", "2.5"})
//     == "Conversion failure: the field “Length” holds 2.5, which is not a number here: the decimal separator is “,”."
//   describe(Failure(Cause::NegativeToFractionalPower, Operation::Power, -1.75, 0.5), fullStop,
//            {"Area", false, "these sides make no triangle"})
//     == "Invalid argument: these sides make no triangle (computing “Area”)."
// In the user's language where a translate is given (see words.h).
std::string describe(const Failure& failure, const NumberLocale& locale, const FailurePlace& place = {},
                     const Translate& translate = {});

} // namespace qv
